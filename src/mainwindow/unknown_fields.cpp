#include "unknown_fields.h"

#include "texts.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>
#include <QUndoStack>
#include <algorithm>
#include <functional>

namespace {

// A frame that none of the form's own states (the red of a number out of
// range, the grey of a switched-off field) uses; by the field's name, so
// that its list's popup and its inner text field keep their own look.
QString markStyle(const QWidget *field)
{
    return QStringLiteral("#%1 { border: 2px solid #d98200; border-radius: 3px; }")
        .arg(field->objectName());
}

// The signal that tells of a change of the field's value.
QMetaObject::Connection onEdit(QWidget *field, const std::function<void()> &edited)
{
    if (auto *number = qobject_cast<QDoubleSpinBox *>(field))
        return QObject::connect(number, &QDoubleSpinBox::valueChanged, field, edited);
    if (auto *list = qobject_cast<QComboBox *>(field))
        return QObject::connect(list, &QComboBox::currentIndexChanged, field, edited);
    if (auto *text = qobject_cast<QLineEdit *>(field))
        return QObject::connect(text, &QLineEdit::textChanged, field, edited);
    return {};
}

} // namespace

UnknownFields::UnknownFields(QMainWindow *window, QUndoStack *history)
    : QObject(window)
    , m_window(window)
    , m_history(history)
    , m_count(new QLabel(window))
{
    m_count->setObjectName(QStringLiteral("unknownFieldsCount"));
    m_count->hide();
    window->statusBar()->addPermanentWidget(m_count);
    if (m_history)
        connect(m_history, &QUndoStack::indexChanged, this, &UnknownFields::historyMoved);
}

void UnknownFields::mark(const std::vector<CardReading::UnknownField> &fields)
{
    clear();
    for (const CardReading::UnknownField &unknown : fields) {
        QWidget *field = m_window->findChild<QWidget *>(unknown.field);
        if (!field || !field->isEnabled() || isMarked(field))
            continue;
        Mark mark{field, field->toolTip(), field->styleSheet(), {}};
        mark.edited = onEdit(field, [this, field] { unmark(field); });
        field->setToolTip(unknown.note);
        field->setStyleSheet(markStyle(field));
        m_marks.push_back(mark);
    }
    m_readStep = m_history ? m_history->index() : -1;
    showCount();
}

void UnknownFields::clear()
{
    for (Mark &mark : m_marks)
        restore(mark);
    m_marks.clear();
    showCount();
}

bool UnknownFields::isMarked(const QWidget *field) const
{
    return std::any_of(m_marks.begin(), m_marks.end(),
                       [field](const Mark &mark) { return mark.field == field; });
}

void UnknownFields::unmark(QWidget *field)
{
    const auto found = std::find_if(m_marks.begin(), m_marks.end(),
                                    [field](const Mark &mark) { return mark.field == field; });
    if (found == m_marks.end())
        return;
    restore(*found);
    m_marks.erase(found);
    showCount();
}

void UnknownFields::restore(Mark &mark)
{
    QObject::disconnect(mark.edited);
    if (!mark.field)
        return;
    mark.field->setToolTip(mark.toolTip);
    mark.field->setStyleSheet(mark.styleSheet);
}

void UnknownFields::showCount()
{
    const int left = count();
    if (left == 0) {
        m_count->hide();
        return;
    }
    m_count->setText(left == 1
                         ? LochkartorText::tr("Nicht von der Karte: 1 Feld prüfen")
                         : LochkartorText::tr("Nicht von der Karte: %1 Felder prüfen").arg(left));
    m_count->setToolTip(
        LochkartorText::tr("Die umrandeten Felder stehen nicht auf der Karte; ihre Werte vom "
                           "Aufdruck der Karte eintragen."));
    m_count->show();
}

// Undoing the reading brings back the form from before it, which has no
// marks.
void UnknownFields::historyMoved(int index)
{
    if (!m_marks.empty() && index < m_readStep)
        clear();
}
