// The window draws what the card engine says: after every step of a random
// edit session through the real widgets, both card pictures and the check
// colours are the engine's card of the window's tube, and the form's limits,
// enabled fields, pin lines and tube-kind flags are what the tube derives.

#include "cardstate.h"
#include "form_replay.h"
#include "testsupport_window.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QRandomGenerator>

namespace {

QString verdictColour(Validity::Verdict verdict)
{
    switch (verdict) {
    case Validity::Verdict::NoSuchElectrode:
        return QStringLiteral("grey");
    case Validity::Verdict::Connected:
        return QStringLiteral("lightgreen");
    case Validity::Verdict::NotConnected:
        break;
    }
    return QStringLiteral("red");
}

// Every way the window's pictures and labels differ from `card`.
QStringList cardDifferences(const Lochkartor &window, const Card &card)
{
    QStringList found;
    const QString holes = TestSupport::holesText(card.holes);
    const QString created = TestSupport::holesText(window.cards().punchedHoles());
    const QString universal = TestSupport::holesText(window.cards().universalPunchedHoles());
    if (created != holes)
        found << QStringLiteral("created card %1, engine %2").arg(created, holes);
    if (universal != holes)
        found << QStringLiteral("universal card %1, engine %2").arg(universal, holes);
    const Card shown = window.shownCard();
    for (int index = 0; index < CardTextCount; ++index) {
        const CardTextValue &engine = card.texts[std::size_t(index)];
        const CardTextValue &drawn = shown.texts[std::size_t(index)];
        if (drawn != engine)
            found << QStringLiteral("text %1: \"%2\" %3, engine \"%4\" %5")
                         .arg(index)
                         .arg(drawn.content)
                         .arg(drawn.visible)
                         .arg(engine.content)
                         .arg(engine.visible);
    }
    if (shown.tubeNamePointSize != card.tubeNamePointSize)
        found << QStringLiteral("name size %1, engine %2")
                     .arg(shown.tubeNamePointSize)
                     .arg(card.tubeNamePointSize);
    const char *const labels[] = {"heaterOK", "cathodeOK", "gridOK", "screenOK", "plateOK"};
    for (int check = 0; check < Validity::CheckCount; ++check) {
        const QString colour = TestSupport::checkColour(window, labels[check]);
        const QString expected = verdictColour(card.findings[std::size_t(check)].verdict);
        if (colour != expected)
            found << QStringLiteral("%1 %2, engine %3")
                         .arg(QLatin1String(labels[check]), colour, expected);
    }
    return found;
}

// Every way the form differs from what `tube` derives.
QStringList formDifferences(const Lochkartor &window, const Tube &tube)
{
    QStringList found;
    for (int index = 0; index < TubeFieldCount; ++index) {
        const auto field = TubeField(index);
        const char *name = tubeFieldName(field);
        const auto *widget = TestSupport::widget<QWidget>(window, name);
        if (widget->isEnabled() != TubeForm::isFieldOn(tube, field))
            found << QStringLiteral("%1 enabled %2")
                         .arg(QLatin1String(name))
                         .arg(widget->isEnabled());
        const auto *spin = qobject_cast<const QDoubleSpinBox *>(widget);
        if (!spin)
            continue;
        const TubeForm::Limits limits = TubeForm::limits(tube, field);
        if (spin->minimum() != limits.minimum || spin->maximum() != limits.maximum
            || spin->decimals() != limits.decimals)
            found << QStringLiteral("%1 limits %2..%3, engine %4..%5")
                         .arg(QLatin1String(name))
                         .arg(spin->minimum())
                         .arg(spin->maximum())
                         .arg(limits.minimum)
                         .arg(limits.maximum);
    }
    const TubeForm::Flags flags = TubeForm::flags(tube);
    const TubeForm::Flags shown{window.hasHeater(), window.isDirectlyHeated(), window.isRectifier(),
                                window.hasControlGrid(), window.hasScreenGrid()};
    if (!(shown == flags))
        found << QStringLiteral("tube-kind flags differ");
    if (window.currentPinCount() != TubeForm::pinCount(tube))
        found << QStringLiteral("pin count %1").arg(window.currentPinCount());
    for (int pin = 1; pin <= window.currentPinCount(); ++pin) {
        if (window.pinLine(pin) != TubeForm::pinLine(tube, pin))
            found << QStringLiteral("line of pin %1").arg(pin);
    }
    return found;
}

} // namespace

class WindowCardTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::isolateSettings(); }
    void editSessionsShowTheEngineCard_data();
    void editSessionsShowTheEngineCard();
};

void WindowCardTest::editSessionsShowTheEngineCard_data()
{
    QTest::addColumn<quint32>("seed");
    const quint32 seeds = TestSupport::underSanitizers ? 15 : 80;
    for (quint32 seed = 1; seed <= seeds; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

void WindowCardTest::editSessionsShowTheEngineCard()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    Lochkartor window;
    QStringList session;
    for (int step = 0; step < 40; ++step) {
        const QString edit = randomUserEdit(window, random);
        if (edit.isEmpty())
            continue;
        session << edit;
        const Tube tube = window.tube();
        const QStringList differences
            = cardDifferences(window, cardOf(tube)) + formDifferences(window, tube);
        QVERIFY2(differences.isEmpty(),
                 qPrintable(session.join(QStringLiteral(", ")) + QLatin1Char('\n')
                            + differences.join(QLatin1Char('\n'))));
    }
}

QTEST_MAIN(WindowCardTest)
#include "tst_window_card.moc"
