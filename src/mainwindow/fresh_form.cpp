// "Neu" and a load start from exactly what a freshly built window shows. The
// window copies that from a second window built for the purpose: the very
// same construction runs, so nothing the constructor sets up can be missed,
// and the widgets themselves stay (pointers to them and the focus survive).

#include "lochkartor.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStandardItemModel>

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

template<typename SpinBox>
void copySpinBox(SpinBox *target, const SpinBox *source)
{
    target->setDecimals(source->decimals());
    target->setSingleStep(source->singleStep());
    target->setRange(source->minimum(), source->maximum());
    target->setValue(source->value());
}

void copySpinBox(QSpinBox *target, const QSpinBox *source)
{
    target->setSingleStep(source->singleStep());
    target->setRange(source->minimum(), source->maximum());
    target->setValue(source->value());
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
    target->setEnabled(!source->testAttribute(Qt::WA_ForceDisabled));
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
        box->setCurrentIndex(from->currentIndex());
    } else if (auto *doubleSpin = qobject_cast<QDoubleSpinBox *>(target)) {
        copySpinBox(doubleSpin, qobject_cast<const QDoubleSpinBox *>(source));
    } else if (auto *spin = qobject_cast<QSpinBox *>(target)) {
        copySpinBox(spin, qobject_cast<const QSpinBox *>(source));
    } else if (auto *edit = qobject_cast<QLineEdit *>(target)) {
        if (edit->text() != qobject_cast<const QLineEdit *>(source)->text())
            edit->setText(qobject_cast<const QLineEdit *>(source)->text());
    } else if (auto *button = qobject_cast<QAbstractButton *>(target)) {
        if (button->isCheckable())
            button->setChecked(qobject_cast<const QAbstractButton *>(source)->isChecked());
    }
}

void Lochkartor::resetToFreshForm()
{
    const Lochkartor fresh;

    for (std::size_t line = 0; line < lineModels.size(); ++line)
        copyItemFlags(lineModels[line], fresh.lineModels[line]);
    copyItemFlags(noPinModel, fresh.noPinModel);
    copyItemFlags(heatingMethodModel, fresh.heatingMethodModel);

    for (const QWidget *source : fresh.centralWidget()->findChildren<QWidget *>()) {
        if (!isFormWidget(source))
            continue;
        QWidget *target = centralWidget()->findChild<QWidget *>(source->objectName());
        if (target && target->metaObject() == source->metaObject())
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
