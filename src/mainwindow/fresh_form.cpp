// "Neu" and a load start from exactly what a freshly built window shows. The
// window copies that from a window built for the purpose: the very same
// construction runs, so nothing the constructor sets up can be missed, and
// the widgets themselves stay (pointers to them and the focus survive).
// That window is built once and kept while windows use it.

#include "fresh_form.h"
#include "lochkartor.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStandardItemModel>

#include <algorithm>

class FreshForm : public QObject
{
public:
    FreshForm() { QCoreApplication::instance()->installEventFilter(this); }

    static std::shared_ptr<FreshForm> shared()
    {
        static std::weak_ptr<FreshForm> current;
        std::shared_ptr<FreshForm> form = current.lock();
        if (!form) {
            form = std::make_shared<FreshForm>();
            current = form;
        }
        return form;
    }

    const Lochkartor &window()
    {
        if (!m_window) {
            m_window = std::make_unique<Lochkartor>();
            ++m_generation;
        }
        return *m_window;
    }
    int generation() const { return m_generation; }

protected:
    // What a window shows is fixed at its construction in the language,
    // locale and font of that moment; after a change the next reset must
    // give what a window built then would show.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == QCoreApplication::instance()
            && (event->type() == QEvent::LanguageChange || event->type() == QEvent::LocaleChange
                || event->type() == QEvent::ApplicationFontChange))
            m_window.reset();
        return false;
    }

private:
    std::unique_ptr<Lochkartor> m_window;
    int m_generation = 0;
};

namespace {

bool isFormWidget(const QWidget *widget)
{
    const QString name = widget->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

void copyItemFlags(QStandardItemModel *target, const QStandardItemModel *source)
{
    for (int row = 0; row < source->rowCount() && row < target->rowCount(); ++row) {
        if (target->item(row)->flags() != source->item(row)->flags())
            target->item(row)->setFlags(source->item(row)->flags());
    }
}

// Each setter of a spin box rewrites its text, so only what differs is set.
template<typename SpinBox>
void copyLimitsAndValue(SpinBox *target, const SpinBox *source)
{
    if (target->singleStep() != source->singleStep())
        target->setSingleStep(source->singleStep());
    if (target->minimum() != source->minimum() || target->maximum() != source->maximum())
        target->setRange(source->minimum(), source->maximum());
    if (target->value() != source->value())
        target->setValue(source->value());
}

void copySpinBox(QDoubleSpinBox *target, const QDoubleSpinBox *source)
{
    if (target->decimals() != source->decimals())
        target->setDecimals(source->decimals());
    copyLimitsAndValue(target, source);
}

void copySpinBox(QSpinBox *target, const QSpinBox *source)
{
    copyLimitsAndValue(target, source);
}

// A box that still shows the list the form gave it, once its own list was
// replaced by a shared model (which deleted the form's list).
QStandardItemModel *copyOfOwnModel(QComboBox *box, const QComboBox *source)
{
    auto *model = new QStandardItemModel(box);
    for (int row = 0; row < source->count(); ++row)
        model->appendRow(new QStandardItem(source->itemText(row)));
    if (const auto *from = qobject_cast<const QStandardItemModel *>(source->model()))
        copyItemFlags(model, from);
    return model;
}

} // namespace

FreshFormLink::FreshFormLink() = default;
FreshFormLink::~FreshFormLink() = default;

const Lochkartor &FreshFormLink::freshWindow()
{
    if (!m_form)
        m_form = FreshForm::shared();
    return m_form->window();
}

const std::vector<std::pair<QWidget *, const QWidget *>> &FreshFormLink::widgetPairs(
    Lochkartor &target)
{
    const Lochkartor &fresh = freshWindow();
    if (m_pairedWith == m_form->generation())
        return m_pairs;
    QHash<QString, QWidget *> byName;
    for (QWidget *widget : target.centralWidget()->findChildren<QWidget *>()) {
        if (isFormWidget(widget))
            byName.insert(widget->objectName(), widget);
    }
    m_pairs.clear();
    for (const QWidget *source : fresh.centralWidget()->findChildren<QWidget *>()) {
        if (!isFormWidget(source))
            continue;
        QWidget *widget = byName.value(source->objectName());
        if (widget && widget->metaObject() == source->metaObject())
            m_pairs.emplace_back(widget, source);
    }
    m_pairedWith = m_form->generation();
    return m_pairs;
}

FreshFormLink &Lochkartor::freshFormLink()
{
    if (!m_freshForm)
        m_freshForm = std::make_unique<FreshFormLink>();
    return *m_freshForm;
}

// Maps one of `fresh`'s item models to this window's model of the same role;
// a box's own model (from the form) maps to null.
QAbstractItemModel *Lochkartor::counterpartModel(const Lochkartor &fresh,
                                                 const QAbstractItemModel *model) const
{
    if (model == fresh.noPinModel)
        return noPinModel;
    if (model == fresh.heatingMethodModel)
        return heatingMethodModel;
    for (std::size_t line = 0; line < lineModels.size(); ++line) {
        if (model == fresh.lineModels[line])
            return lineModels[line];
    }
    return nullptr;
}

void Lochkartor::copyWidgetState(const Lochkartor &fresh, QWidget *target, const QWidget *source)
{
    const QSignalBlocker blocker(target);
    const bool enabled = !source->testAttribute(Qt::WA_ForceDisabled);
    if (target->testAttribute(Qt::WA_ForceDisabled) == enabled)
        target->setEnabled(enabled);
    if (target->styleSheet() != source->styleSheet())
        target->setStyleSheet(source->styleSheet());
    // The check labels say in their tooltips why they have their colour.
    if (target->toolTip() != source->toolTip())
        target->setToolTip(source->toolTip());

    if (auto *box = qobject_cast<QComboBox *>(target)) {
        const auto *from = qobject_cast<const QComboBox *>(source);
        QAbstractItemModel *model = counterpartModel(fresh, from->model());
        if (model && box->model() != model)
            box->setModel(model);
        else if (!model && box->model()->parent() != box)
            box->setModel(copyOfOwnModel(box, from));
        if (box->currentIndex() != from->currentIndex())
            box->setCurrentIndex(from->currentIndex());
    } else if (auto *doubleSpin = qobject_cast<QDoubleSpinBox *>(target)) {
        copySpinBox(doubleSpin, qobject_cast<const QDoubleSpinBox *>(source));
    } else if (auto *spin = qobject_cast<QSpinBox *>(target)) {
        copySpinBox(spin, qobject_cast<const QSpinBox *>(source));
    } else if (auto *edit = qobject_cast<QLineEdit *>(target)) {
        if (edit->text() != qobject_cast<const QLineEdit *>(source)->text())
            edit->setText(qobject_cast<const QLineEdit *>(source)->text());
    } else if (auto *button = qobject_cast<QAbstractButton *>(target)) {
        const bool checked = qobject_cast<const QAbstractButton *>(source)->isChecked();
        if (button->isCheckable() && button->isChecked() != checked)
            button->setChecked(checked);
    }
}

void Lochkartor::resetToFreshForm()
{
    const CardUpdate update(this);
    const auto &pairs = freshFormLink().widgetPairs(*this);
    const Lochkartor &fresh = m_freshForm->freshWindow();

    for (std::size_t line = 0; line < lineModels.size(); ++line)
        copyItemFlags(lineModels[line], fresh.lineModels[line]);
    copyItemFlags(noPinModel, fresh.noPinModel);
    copyItemFlags(heatingMethodModel, fresh.heatingMethodModel);

    // The check labels' colours follow from the form; a form being filled
    // colours them when it is complete (and restyling is slow).
    const std::array<QLabel *, Validity::CheckCount> labels = checkLabels();
    for (const auto &[target, source] : pairs) {
        if (m_fillingForm && std::find(labels.begin(), labels.end(), target) != labels.end())
            continue;
        copyWidgetState(fresh, target, source);
    }

    pinCount = fresh.pinCount;
    pinLines = fresh.pinLines;
    rectifierFlag = fresh.rectifierFlag;
    directHeatingFlag = fresh.directHeatingFlag;
    controlGridFlag = fresh.controlGridFlag;
    screenGridFlag = fresh.screenGridFlag;
    heaterPresentFlag = fresh.heaterPresentFlag;
    m_cards->copyStateFrom(*fresh.m_cards);
}
