#pragma once

#include "cardstate.h"
#include "lochkartor.h"
#include "testsupport_window.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QStringList>

// Editing the form like a user and taking a picture of everything a user
// can see, for tests that compare whole windows.
namespace FormEdits {

// Applies "socket=10; genericTubeType=3; plateVoltage=250; tubeName=EL84"
// in order, through the real widgets, so their slots run as for a user.
inline void edit(Lochkartor &window, const QString &edits)
{
    for (const QString &edit : edits.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const int equals = edit.indexOf(QLatin1Char('='));
        const QString name = edit.left(equals).trimmed();
        const QString value = edit.mid(equals + 1).trimmed();
        QWidget *field = window.findChild<QWidget *>(name);
        if (auto *line = qobject_cast<QLineEdit *>(field))
            line->setText(value);
        else if (auto *box = qobject_cast<QComboBox *>(field))
            box->setCurrentIndex(value.toInt());
        else if (auto *spin = qobject_cast<QDoubleSpinBox *>(field))
            spin->setValue(value.toDouble());
        else
            qFatal("no form field named %s", qPrintable(name));
    }
}

// Sets every connected pin of the socket to a function its tester line
// offers, a different one for neighbouring pins, so a round trip has
// something to carry.
inline void wireAllPins(Lochkartor &window)
{
    for (int pin = 1; pin <= window.currentPinCount(); ++pin) {
        auto *box = window.findChild<QComboBox *>(QStringLiteral("pin%1Function").arg(pin));
        auto *model = qobject_cast<QStandardItemModel *>(box->model());
        QList<int> offered;
        for (int row = 0; model && row < model->rowCount(); ++row) {
            if (model->item(row)->isEnabled())
                offered.append(row);
        }
        if (!offered.isEmpty())
            box->setCurrentIndex(offered.at(pin % offered.size()));
    }
}

// Every field's value, enabled state and limits, the check labels, both
// cards' holes and the created card's visible texts, one line each.
inline QStringList snapshot(const Lochkartor &window)
{
    QStringList lines;
    for (const QLineEdit *line : window.findChildren<QLineEdit *>()) {
        if (!line->objectName().isEmpty() && !line->objectName().startsWith(QLatin1String("qt_")))
            lines << QStringLiteral("%1 = \"%2\" %3")
                         .arg(line->objectName(), line->text())
                         .arg(line->isEnabled());
    }
    for (const QComboBox *box : window.findChildren<QComboBox *>())
        lines << QStringLiteral("%1 = %2 of %3 %4")
                     .arg(box->objectName())
                     .arg(box->currentIndex())
                     .arg(box->count())
                     .arg(box->isEnabled());
    for (const QDoubleSpinBox *spin : window.findChildren<QDoubleSpinBox *>())
        lines << QStringLiteral("%1 = %2 in %3..%4 %5")
                     .arg(spin->objectName())
                     .arg(spin->value())
                     .arg(spin->minimum())
                     .arg(spin->maximum())
                     .arg(spin->isEnabled());
    lines << QStringLiteral("tube: rectifier %1, screen grid %2, control grid %3, heater %4, "
                            "directly heated %5, %6 pins")
                 .arg(window.isRectifier())
                 .arg(window.hasScreenGrid())
                 .arg(window.hasControlGrid())
                 .arg(window.hasHeater())
                 .arg(window.isDirectlyHeated())
                 .arg(window.currentPinCount());
    const CardState card = cardState(window);
    lines << QStringLiteral("created card: ") + card.createdHoles;
    lines << QStringLiteral("universal card: ") + card.universalHoles;
    lines << QStringLiteral("checks: ") + card.checks.join(QLatin1Char(' '));
    for (const QString &text : card.texts)
        lines << QStringLiteral("text ") + text;
    lines.sort();
    return lines;
}

// What snapshot() leaves out: which rows each list offers and the enabled
// state of every named widget, labels too.
inline QStringList widgetStates(const Lochkartor &window)
{
    QStringList lines;
    for (const QWidget *widget : window.centralWidget()->findChildren<QWidget *>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue;
        QString line = QStringLiteral("%1 enabled %2").arg(name).arg(widget->isEnabled());
        if (const auto *box = qobject_cast<const QComboBox *>(widget)) {
            const auto *model = qobject_cast<const QStandardItemModel *>(box->model());
            line += QStringLiteral(" rows ");
            for (int row = 0; model && row < model->rowCount(); ++row)
                line += model->item(row)->isEnabled() ? QLatin1Char('+') : QLatin1Char('-');
        }
        lines << line;
    }
    return lines;
}

} // namespace FormEdits
