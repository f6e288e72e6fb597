#include "name_limit_note.h"

#include "status_notes.h"
#include "texts.h"

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>

namespace {

bool isTypedText(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar character : text) {
        if (!character.isPrint())
            return false;
    }
    return true;
}

class NameLimitWatcher : public QObject
{
public:
    NameLimitWatcher(QLineEdit *field, QStatusBar *bar)
        : QObject(field)
        , m_field(field)
        , m_bar(bar)
    {
        field->installEventFilter(this);
        // The context menu's "Einfügen" runs inside the menu's own loop; the
        // edit it makes is the moment to look.
        connect(field, &QLineEdit::textEdited, this, &NameLimitWatcher::check);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        const QString insertion = insertedBy(event);
        if (insertion.isEmpty())
            return false;
        m_pending = true;
        m_wanted = int(m_field->text().size() - m_field->selectedText().size() + insertion.size());
        // A full field takes no key at all and reports no edit.
        if (event->type() != QEvent::ContextMenu)
            QTimer::singleShot(0, this, &NameLimitWatcher::check);
        return false;
    }

private:
    // The text an event means to put into the field; empty for any other.
    static QString insertedBy(QEvent *event)
    {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->matches(QKeySequence::Paste))
                return QGuiApplication::clipboard()->text();
            return isTypedText(key->text()) ? key->text() : QString();
        }
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton)
                return QGuiApplication::clipboard()->text(QClipboard::Selection);
            return QString();
        case QEvent::Drop: {
            const QMimeData *data = static_cast<QDropEvent *>(event)->mimeData();
            return data ? data->text() : QString();
        }
        case QEvent::ContextMenu:
            return QGuiApplication::clipboard()->text();
        default:
            return QString();
        }
    }

    void check()
    {
        if (!m_pending || !m_field || !m_bar)
            return;
        m_pending = false;
        if (m_wanted <= m_field->maxLength())
            return;
        StatusNotes::show(m_bar, LochkartorText::tr("Röhrenbezeichnung: höchstens %1 Zeichen; "
                                                    "behalten: „%2“")
                                     .arg(m_field->maxLength())
                                     .arg(m_field->text()));
    }

    QPointer<QLineEdit> m_field;
    QPointer<QStatusBar> m_bar;
    bool m_pending = false;
    int m_wanted = 0;
};

} // namespace

namespace NameLimitNote {

void install(QLineEdit *field, QStatusBar *bar)
{
    new NameLimitWatcher(field, bar);
}

} // namespace NameLimitNote
