#include "cardstate.h"
#include "testsupport_window.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QStandardItemModel>
#include <cmath>

namespace {

const char *const comboInputs[] = {
        "socket", "genericTubeType", "heatingMethod", "heatingVoltageAC", "pin1Function",
        "pin2Function", "pin3Function", "pin4Function", "pin5Function", "pin6Function",
        "pin7Function", "pin8Function", "pin9Function", "capFunction", "cathodeResistor",
        "cathodeCap", "rectPlateVoltage", "rectLoadResistor", "rectCap", "isotestVolage",
        "isotestRange"};

const char *const spinInputs[] = {"heatingVoltage", "heatingCurrent",   "plateVoltage",
                                  "screenVoltage",  "gridVoltage",      "plateCurrent",
                                  "screenCurrent",  "transconductance", "rectCurrent"};

// The order a fresh window receives the values in: what decides the pin
// lists and the limits of other inputs comes before them.
const char *const applyOrder[] = {
        "tubeName", "socket", "pin1Function", "pin2Function", "pin3Function", "pin4Function",
        "pin5Function", "pin6Function", "pin7Function", "pin8Function", "pin9Function",
        "capFunction", "heatingMethod", "heatingVoltageAC", "heatingVoltage", "heatingCurrent",
        "plateVoltage", "screenVoltage", "gridVoltage", "cathodeResistor", "cathodeCap",
        "rectPlateVoltage", "rectLoadResistor", "rectCap", "plateCurrent", "screenCurrent",
        "transconductance", "rectCurrent", "isotestVolage", "isotestRange", "genericTubeType"};

bool rowEnabled(const QComboBox *box, int row)
{
    const auto *model = qobject_cast<const QStandardItemModel *>(box->model());
    if (!model)
        return true;
    return model->item(row)->isEnabled();
}

} // namespace

bool CardState::operator==(const CardState &other) const
{
    return createdHoles == other.createdHoles && universalHoles == other.universalHoles
           && texts == other.texts && checks == other.checks;
}

QString CardState::differenceTo(const CardState &other) const
{
    QStringList lines;
    if (createdHoles != other.createdHoles)
        lines << QStringLiteral("created holes:\n  %1\n  %2").arg(createdHoles, other.createdHoles);
    if (universalHoles != other.universalHoles)
        lines << QStringLiteral("universal holes:\n  %1\n  %2")
                         .arg(universalHoles, other.universalHoles);
    if (texts != other.texts)
        lines << QStringLiteral("texts:\n  %1\n  %2")
                         .arg(texts.join(QStringLiteral(" | ")),
                              other.texts.join(QStringLiteral(" | ")));
    if (checks != other.checks)
        lines << QStringLiteral("checks:\n  %1\n  %2")
                         .arg(checks.join(QLatin1Char(' ')), other.checks.join(QLatin1Char(' ')));
    return lines.join(QLatin1Char('\n'));
}

CardState cardState(const Lochkartor &window)
{
    CardState state;
    state.createdHoles = TestSupport::holesText(window.cards().punchedHoles());
    state.universalHoles = TestSupport::holesText(window.cards().universalPunchedHoles());
    for (const auto &[text, content] : window.cards().visibleTexts())
        state.texts << QLatin1String(cardTextKey(text)) + QLatin1Char('=') + content;
    for (const char *label : {"heaterOK", "cathodeOK", "gridOK", "screenOK", "plateOK"})
        state.checks << TestSupport::checkColour(window, label);
    return state;
}

FormState formState(const Lochkartor &window)
{
    FormState state;
    state.emplace_back(QStringLiteral("tubeName"),
                       TestSupport::widget<QLineEdit>(window, "tubeName")->text());
    for (const char *name : comboInputs) {
        // A pin above the socket's pin count keeps the list of an earlier
        // socket; it is switched off and never reaches the card.
        const QString key = QLatin1String(name);
        if (key.startsWith(QLatin1String("pin"))
            && key.mid(3, 1).toInt() > window.currentPinCount())
            continue;
        state.emplace_back(key, TestSupport::widget<QComboBox>(window, name)->currentIndex());
    }
    for (const char *name : spinInputs)
        state.emplace_back(QLatin1String(name),
                           TestSupport::widget<QDoubleSpinBox>(window, name)->value());
    return state;
}

QString describe(const FormState &state)
{
    QStringList parts;
    for (const auto &[name, value] : state)
        parts << name + QLatin1Char('=') + value.toString();
    return parts.join(QLatin1Char(' '));
}

void applyFormState(Lochkartor &window, const FormState &state)
{
    for (const char *name : applyOrder) {
        const QString key = QLatin1String(name);
        const auto entry = std::find_if(state.begin(), state.end(),
                                        [&](const auto &pair) { return pair.first == key; });
        if (entry == state.end())
            continue;
        if (auto *line = window.findChild<QLineEdit *>(key))
            line->setText(entry->second.toString());
        else if (auto *box = window.findChild<QComboBox *>(key))
            box->setCurrentIndex(entry->second.toInt());
        else if (auto *spin = window.findChild<QDoubleSpinBox *>(key))
            spin->setValue(entry->second.toDouble());
    }
}

QString randomUserEdit(Lochkartor &window, QRandomGenerator &random)
{
    const int comboCount = int(std::size(comboInputs));
    const int choice = random.bounded(comboCount + int(std::size(spinInputs)) + 1);
    if (choice == comboCount + int(std::size(spinInputs))) {
        auto *name = TestSupport::widget<QLineEdit>(window, "tubeName");
        const QString text = QStringLiteral("T%1").arg(random.bounded(100000));
        name->setText(text);
        return QStringLiteral("tubeName=") + text;
    }
    if (choice < comboCount) {
        auto *box = TestSupport::widget<QComboBox>(window, comboInputs[choice]);
        if (!box->isEnabled())
            return QString();
        QList<int> rows;
        for (int row = 0; row < box->count(); ++row) {
            if (row != box->currentIndex() && rowEnabled(box, row))
                rows << row;
        }
        if (rows.isEmpty())
            return QString();
        const int row = rows.at(random.bounded(int(rows.size())));
        box->setCurrentIndex(row);
        return QStringLiteral("%1=%2").arg(box->objectName()).arg(row);
    }
    auto *spin = TestSupport::widget<QDoubleSpinBox>(window, spinInputs[choice - comboCount]);
    if (!spin->isEnabled())
        return QString();
    // A value on the box's step grid, as the arrows or the keyboard give it.
    const double unit = std::pow(10.0, -spin->decimals());
    const int steps = int(std::floor((spin->maximum() - spin->minimum()) / unit + 0.5));
    const double value = spin->minimum() + unit * random.bounded(steps + 1);
    spin->setValue(value);
    return QStringLiteral("%1=%2").arg(spin->objectName()).arg(spin->value());
}
