// The input form as the operator finds it when the window opens, read from
// the generated form on a bare window: no slots and no encoders run, so every
// value is the one the form itself sets.

#include "ui_lochkartor.h"

#include <QtTest>

#include <algorithm>
#include <vector>

namespace {

struct Form
{
    Form() { ui.setupUi(&window); }
    QMainWindow window;
    Ui::Lochkartor ui;
};

QObject *find(const QMainWindow &window, const QString &name)
{
    const QList<QObject *> found = window.findChildren<QObject *>(name);
    if (found.size() != 1)
        qFatal("%lld objects named %s", qlonglong(found.size()), qPrintable(name));
    return found.first();
}

template<typename T>
T *findAs(const QMainWindow &window, const QString &name)
{
    T *object = qobject_cast<T *>(find(window, name));
    if (!object)
        qFatal("%s has the wrong class", qPrintable(name));
    return object;
}

QStringList numbered(const QString &pattern, int count)
{
    QStringList texts;
    for (int n = 1; n <= count; ++n)
        texts.append(pattern.arg(n));
    return texts;
}

// The named entries of a layout in order; spacers appear as "<spacer>".
QStringList layoutEntries(const QLayout *layout)
{
    QStringList entries;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (item->widget())
            entries.append(item->widget()->objectName());
        else if (item->layout())
            entries.append(item->layout()->objectName());
        else if (item->spacerItem())
            entries.append(QStringLiteral("<spacer>"));
    }
    return entries;
}

const char *const sixGroupBoxesThatGrow[] = {"basicDataBox",    "pinOutBox",  "operatingPointBox",
                                             "nominalValueBox", "isotestBox", "InternalBox"};

} // namespace

// Stands in for the window: records every slot that the form reaches, so the
// test sees whether building the form already talks to the encoders.
class RecordingWindow : public QMainWindow
{
    Q_OBJECT
public:
    QStringList calls;

private slots:
    void on_tubeName_textChanged(const QString &) { record(); }
    void on_socket_currentIndexChanged(int) { record(); }
    void on_genericTubeType_currentIndexChanged(int) { record(); }
    void on_heatingMethod_currentIndexChanged(int) { record(); }
    void on_heatingVoltage_valueChanged(double) { record(); }
    void on_heatingVoltageAC_currentIndexChanged(int) { record(); }
    void on_heatingCurrent_valueChanged(double) { record(); }
    void on_pin1Function_currentIndexChanged(int) { record(); }
    void on_pin9Function_currentIndexChanged(int) { record(); }
    void on_capFunction_currentIndexChanged(int) { record(); }
    void on_plateVoltage_valueChanged(double) { record(); }
    void on_screenVoltage_valueChanged(double) { record(); }
    void on_gridVoltage_valueChanged(double) { record(); }
    void on_cathodeResistor_currentIndexChanged(int) { record(); }
    void on_cathodeCap_currentIndexChanged(int) { record(); }
    void on_rectPlateVoltage_currentIndexChanged(int) { record(); }
    void on_rectCurrent_valueChanged(double) { record(); }
    void on_isotestVolage_currentIndexChanged(int) { record(); }
    void on_isotestRange_currentIndexChanged(int) { record(); }

private:
    void record() { calls.append(sender()->objectName()); }
};

class FormTest : public QObject
{
    Q_OBJECT

private slots:
    void windowFrame();
    void widgets_data();
    void widgets();
    void noUnlistedWidgets();
    void labels_data();
    void labels();
    void groupBoxes_data();
    void groupBoxes();
    void layouts_data();
    void layouts();
    void layoutEntries_data();
    void layoutEntries();
    void spacers();
    void formRows_data();
    void formRows();
    void gridCells_data();
    void gridCells();
    void numberFields_data();
    void numberFields();
    void lists_data();
    void lists();
    void textFields_data();
    void textFields();
    void tubeNameRefusesThirteenthCharacter_data();
    void tubeNameRefusesThirteenthCharacter();
    void checkLabels_data();
    void checkLabels();
    void cardViews_data();
    void cardViews();
    void tabOrder();
    void buildingTheFormReachesNoSlot();
};

void FormTest::windowFrame()
{
    Form form;
    QCOMPARE(form.window.objectName(), QStringLiteral("Lochkartor"));
    QCOMPARE(form.window.size(), QSize(1091, 870));
    QCOMPARE(form.window.windowTitle(), QStringLiteral("Lochkartor"));
    QCOMPARE(form.window.centralWidget()->objectName(), QStringLiteral("centralWidget"));

    QMenuBar *menuBar = form.window.menuBar();
    QCOMPARE(menuBar->objectName(), QStringLiteral("menuBar"));
    QCOMPARE(menuBar->geometry(), QRect(0, 0, 1091, 21));
    QVERIFY(menuBar->actions().isEmpty());

    auto *toolBar = findAs<QToolBar>(form.window, QStringLiteral("mainToolBar"));
    QCOMPARE(form.window.toolBarArea(toolBar), Qt::TopToolBarArea);
    QVERIFY(toolBar->actions().isEmpty());

    QCOMPARE(form.window.statusBar()->objectName(), QStringLiteral("statusBar"));
    QVERIFY(form.window.statusBar()->currentMessage().isEmpty());
}

namespace {

struct ExpectedWidget
{
    QString name;
    QString className;
    QString parent;
    bool enabled;
};

// Every named widget of the form with its class, its parent and whether it
// can be used when the window opens.
std::vector<ExpectedWidget> formWidgets()
{
    std::vector<ExpectedWidget> widgets;
    auto add = [&](const QString &name, const char *className, const char *parent, bool enabled) {
        widgets.push_back(
            {name, QString::fromLatin1(className), QString::fromLatin1(parent), enabled});
    };
    auto addRow = [&](const char *label, const char *field, const char *fieldClass, const char *box,
                      bool enabled = true) {
        add(QString::fromLatin1(label), "QLabel", box, enabled);
        add(QString::fromLatin1(field), fieldClass, box, enabled);
    };

    for (const char *box :
         {"basicDataBox", "pinOutBox", "operatingPointBox", "universalCardBox", "createdCardBox",
          "nominalValueBox", "isotestBox", "InternalBox", "sanityCheckBox"})
        add(QString::fromLatin1(box), "QGroupBox", "centralWidget", true);
    for (const char *button :
         {"loadDataButton", "saveDataButton", "saveCardButton", "printCardButton"})
        add(QString::fromLatin1(button), "QPushButton", "centralWidget", true);

    addRow("tubeNameLabel", "tubeName", "QLineEdit", "basicDataBox");
    addRow("socketLabel", "socket", "QComboBox", "basicDataBox");
    addRow("henericTubeTypeLabel", "genericTubeType", "QComboBox", "basicDataBox");
    addRow("heatingMethodLabel", "heatingMethod", "QComboBox", "basicDataBox");
    addRow("heatingVoltageLabel", "heatingVoltage", "NumberField", "basicDataBox", false);
    addRow("heatingVoltageACLabel", "heatingVoltageAC", "QComboBox", "basicDataBox");
    addRow("heatingCurrentLabel", "heatingCurrent", "NumberField", "basicDataBox");

    for (int pin = 1; pin <= 9; ++pin) {
        add(QStringLiteral("pin%1Label").arg(pin), "QLabel", "pinOutBox", true);
        add(QStringLiteral("pin%1Function").arg(pin), "QComboBox", "pinOutBox", true);
    }
    addRow("capLabel", "capFunction", "QComboBox", "pinOutBox");

    addRow("plateVoltageLabel", "plateVoltage", "NumberField", "operatingPointBox");
    addRow("screenVoltageLabel", "screenVoltage", "NumberField", "operatingPointBox");
    addRow("gridVoltageLabel", "gridVoltage", "NumberField", "operatingPointBox");
    addRow("cathodeResistorLabel", "cathodeResistor", "QComboBox", "operatingPointBox");
    addRow("cathodeCapLabel", "cathodeCap", "QComboBox", "operatingPointBox");
    addRow("rectPlateVoltageLabel", "rectPlateVoltage", "QComboBox", "operatingPointBox", false);
    addRow("rectLoadResistorLabel", "rectLoadResistor", "QComboBox", "operatingPointBox", false);
    addRow("rectCapLabel", "rectCap", "QComboBox", "operatingPointBox", false);

    add(QStringLiteral("universalCardView"), "QGraphicsView", "universalCardBox", true);
    add(QStringLiteral("createdCardView"), "QGraphicsView", "createdCardBox", true);

    addRow("plateCurrentLabel", "plateCurrent", "NumberField", "nominalValueBox");
    addRow("screenCurrentLabel", "screenCurrent", "NumberField", "nominalValueBox");
    addRow("transconductanceLabel", "transconductance", "NumberField", "nominalValueBox");
    addRow("rectCurrentLabel", "rectCurrent", "NumberField", "nominalValueBox", false);

    addRow("isotestVoltageLabel", "isotestVolage", "QComboBox", "isotestBox");
    addRow("isotestRangeLabel", "isotestRange", "QComboBox", "isotestBox");

    addRow("socketNumberLabel", "socketNumber", "QLineEdit", "InternalBox");
    for (int pin = 1; pin <= 9; ++pin) {
        add(QStringLiteral("linePin%1Label").arg(pin), "QLabel", "InternalBox", true);
        add(QStringLiteral("linePin%1").arg(pin), "QLineEdit", "InternalBox", true);
    }

    for (const char *label : {"plateOK", "screenOK", "gridOK", "cathodeOK", "heaterOK"})
        add(QString::fromLatin1(label), "QLabel", "sanityCheckBox", true);
    return widgets;
}

} // namespace

void FormTest::widgets_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<bool>("enabled");

    for (const ExpectedWidget &widget : formWidgets())
        QTest::newRow(qPrintable(widget.name))
            << widget.className << widget.parent << widget.enabled;
}

void FormTest::widgets()
{
    QFETCH(QString, className);
    QFETCH(QString, parentName);
    QFETCH(bool, enabled);

    Form form;
    auto *widget = findAs<QWidget>(form.window, QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
    QCOMPARE(widget->parentWidget()->objectName(), parentName);
    QCOMPARE(widget->isEnabled(), enabled);
}

// Every named widget of the form is one that the rest of the program knows.
void FormTest::noUnlistedWidgets()
{
    QStringList expected;
    for (const ExpectedWidget &widget : formWidgets())
        expected.append(widget.name);
    expected.sort();

    Form form;
    QStringList named;
    for (QWidget *widget : form.window.centralWidget()->findChildren<QWidget *>()) {
        const QString name = widget->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
            named.append(name);
    }
    named.sort();
    QCOMPARE(named, expected);
}

void FormTest::labels_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("buddy");

    auto add = [](const QString &label, const QString &text, const QString &buddy) {
        QTest::newRow(qPrintable(label)) << text << buddy;
    };
    auto addL = [&](const char *label, const char *text, const char *buddy) {
        add(QString::fromLatin1(label), QString::fromUtf8(text), QString::fromLatin1(buddy));
    };

    addL("tubeNameLabel", "Röhrenbezeichnung", "tubeName");
    addL("socketLabel", "Sockel:", "socket");
    addL("henericTubeTypeLabel", "Grundtyp:", "genericTubeType");
    addL("heatingMethodLabel", "Heizart:", "heatingMethod");
    addL("heatingVoltageLabel", "Heizspannung DC:", "heatingVoltage");
    addL("heatingVoltageACLabel", "Heizspannung AC:", "heatingVoltageAC");
    addL("heatingCurrentLabel", "Heizstrom:", "heatingCurrent");
    for (int pin = 1; pin <= 9; ++pin)
        add(QStringLiteral("pin%1Label").arg(pin), QStringLiteral("Pin %1:").arg(pin),
            QStringLiteral("pin%1Function").arg(pin));
    addL("capLabel", "Kappe:", "capFunction");
    addL("plateVoltageLabel", "Anodenspannung(V):", "plateVoltage");
    addL("screenVoltageLabel", "Schirmgitterspannung(V):", "screenVoltage");
    addL("gridVoltageLabel", "Steuergitterspannung(V):", "gridVoltage");
    addL("cathodeResistorLabel", "Kathodenwiderstand:", "cathodeResistor");
    addL("cathodeCapLabel", "Kathodenkondensator:", "cathodeCap");
    addL("rectPlateVoltageLabel", "Glr.-Wechselspannung:", "rectPlateVoltage");
    addL("rectLoadResistorLabel", "Glr.-Lastwiderstand:", "rectLoadResistor");
    addL("rectCapLabel", "Glr.-Siebkondensator:l", "rectCap");
    addL("plateCurrentLabel", "Anodenstrom (mA):", "plateCurrent");
    addL("screenCurrentLabel", "Schirmgitterstrom (mA):", "screenCurrent");
    addL("transconductanceLabel", "Steilheit (mA/V):", "transconductance");
    addL("rectCurrentLabel", "Gleichrichtstrom (mA):", "rectCurrent");
    addL("isotestVoltageLabel", "Prüfspannung:", "isotestVolage");
    addL("isotestRangeLabel", "Messbereich:", "isotestRange");
    addL("socketNumberLabel", "Fassungsnummer:", "socketNumber");
    for (int pin = 1; pin <= 9; ++pin)
        add(QStringLiteral("linePin%1Label").arg(pin), QStringLiteral("Leitung Pin %1:").arg(pin),
            QStringLiteral("linePin%1").arg(pin));
    addL("plateOK", "Anode", "");
    addL("screenOK", "Schirmgitter", "");
    addL("gridOK", "Steuergitter", "");
    addL("cathodeOK", "Kathode", "");
    addL("heaterOK", "Heizung", "");
}

void FormTest::labels()
{
    QFETCH(QString, text);
    QFETCH(QString, buddy);

    Form form;
    auto *label = findAs<QLabel>(form.window, QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(label->text(), text);
    QCOMPARE(label->buddy() ? label->buddy()->objectName() : QString(), buddy);
}

void FormTest::groupBoxes_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("grows");

    const char *const titles[][2] = {
        {"basicDataBox", "Grunddaten"},
        {"pinOutBox", "Pinbelegung"},
        {"operatingPointBox", "Prüfarbeitspunkt"},
        {"universalCardBox", "Universalkarte"},
        {"createdCardBox", "Erstellte Karte"},
        {"nominalValueBox", "Sollwerte"},
        {"isotestBox", "Isolationsprüfung"},
        {"InternalBox", "Internes"},
        {"sanityCheckBox", "Gültigkeitsprüfung"},
    };
    for (const auto &entry : titles) {
        const bool grows
            = std::any_of(std::begin(sixGroupBoxesThatGrow), std::end(sixGroupBoxesThatGrow),
                          [&](const char *name) { return qstrcmp(name, entry[0]) == 0; });
        QTest::newRow(entry[0]) << QString::fromUtf8(entry[1]) << grows;
    }
}

void FormTest::groupBoxes()
{
    QFETCH(QString, title);
    QFETCH(bool, grows);

    Form form;
    auto *box = findAs<QGroupBox>(form.window, QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(box->title(), title);
    const QSizePolicy policy = box->sizePolicy();
    QCOMPARE(policy.horizontalPolicy(),
             grows ? QSizePolicy::MinimumExpanding : QSizePolicy::Preferred);
    QCOMPARE(policy.verticalPolicy(), QSizePolicy::Preferred);
    QCOMPARE(policy.horizontalStretch(), 0);
    QCOMPARE(policy.verticalStretch(), 0);
}

void FormTest::layouts_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("owner"); // the widget or layout that holds it
    QTest::addColumn<int>("margin");    // 0: the layout sets none of its own
    QTest::addColumn<QLayout::SizeConstraint>("constraint");

    const auto defaultConstraint = QLayout::SetDefaultConstraint;
    QTest::newRow("horizontalLayout") << "QHBoxLayout"
                                      << "centralWidget" << 11 << defaultConstraint;
    QTest::newRow("settingsLayout") << "QVBoxLayout"
                                    << "horizontalLayout" << 0 << QLayout::SetMinimumSize;
    QTest::newRow("formLayout") << "QFormLayout"
                                << "basicDataBox" << 11 << defaultConstraint;
    QTest::newRow("formLayout_2") << "QFormLayout"
                                  << "pinOutBox" << 11 << defaultConstraint;
    QTest::newRow("formLayout_3") << "QFormLayout"
                                  << "operatingPointBox" << 11 << defaultConstraint;
    QTest::newRow("cardsLayout") << "QVBoxLayout"
                                 << "horizontalLayout" << 0 << defaultConstraint;
    QTest::newRow("gridLayout_2") << "QGridLayout"
                                  << "universalCardBox" << 11 << defaultConstraint;
    QTest::newRow("gridLayout") << "QGridLayout"
                                << "createdCardBox" << 11 << defaultConstraint;
    QTest::newRow("verticalLayout") << "QVBoxLayout"
                                    << "horizontalLayout" << 0 << QLayout::SetMinimumSize;
    QTest::newRow("formLayout_4") << "QFormLayout"
                                  << "nominalValueBox" << 11 << defaultConstraint;
    QTest::newRow("gridLayout_3") << "QGridLayout"
                                  << "isotestBox" << 11 << defaultConstraint;
    QTest::newRow("formLayout_5") << "QFormLayout"
                                  << "InternalBox" << 11 << defaultConstraint;
    QTest::newRow("verticalLayout_2") << "QVBoxLayout"
                                      << "sanityCheckBox" << 11 << defaultConstraint;
}

void FormTest::layouts()
{
    QFETCH(QString, className);
    QFETCH(QString, owner);
    QFETCH(int, margin);
    QFETCH(QLayout::SizeConstraint, constraint);

    Form form;
    auto *layout = findAs<QLayout>(form.window, QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(QString::fromLatin1(layout->metaObject()->className()), className);
    const QObject *holder = layout->parentWidget() && layout->parentWidget()->layout() == layout
                                ? static_cast<QObject *>(layout->parentWidget())
                                : layout->parent();
    QCOMPARE(holder->objectName(), owner);
    QCOMPARE(layout->contentsMargins(), QMargins(margin, margin, margin, margin));
    QCOMPARE(layout->sizeConstraint(), constraint);

    if (auto *formLayout = qobject_cast<QFormLayout *>(layout)) {
        QCOMPARE(formLayout->horizontalSpacing(), 6);
        QCOMPARE(formLayout->verticalSpacing(), 6);
    } else if (auto *gridLayout = qobject_cast<QGridLayout *>(layout)) {
        QCOMPARE(gridLayout->horizontalSpacing(), 6);
        QCOMPARE(gridLayout->verticalSpacing(), 6);
    } else {
        QCOMPARE(layout->spacing(), 6);
    }
    if (QTest::currentDataTag() == QByteArray("formLayout_2"))
        QCOMPARE(static_cast<QFormLayout *>(layout)->fieldGrowthPolicy(),
                 QFormLayout::AllNonFixedFieldsGrow);
}

void FormTest::layoutEntries_data()
{
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("horizontalLayout")
        << QStringList{"settingsLayout", "cardsLayout", "verticalLayout"};
    QTest::newRow("settingsLayout")
        << QStringList{"basicDataBox", "pinOutBox", "operatingPointBox", "<spacer>"};
    QTest::newRow("cardsLayout") << QStringList{"universalCardBox", "createdCardBox"};
    QTest::newRow("verticalLayout") << QStringList{
        "nominalValueBox", "isotestBox",     "InternalBox",    "sanityCheckBox", "<spacer>",
        "loadDataButton",  "saveDataButton", "saveCardButton", "printCardButton"};
    QTest::newRow("verticalLayout_2")
        << QStringList{"plateOK", "screenOK", "gridOK", "cathodeOK", "heaterOK"};
}

void FormTest::layoutEntries()
{
    QFETCH(QStringList, entries);

    Form form;
    auto *layout = findAs<QBoxLayout>(form.window, QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(::layoutEntries(layout), entries);
    for (int i = 0; i < layout->count(); ++i)
        QCOMPARE(layout->stretch(i), 0);
}

// The two spacers push the buttons and the operating point box apart; they
// must give way vertically only.
void FormTest::spacers()
{
    Form form;
    for (const char *name : {"settingsLayout", "verticalLayout"}) {
        auto *layout = findAs<QBoxLayout>(form.window, QString::fromLatin1(name));
        int spacers = 0;
        for (int i = 0; i < layout->count(); ++i) {
            QSpacerItem *spacer = layout->itemAt(i)->spacerItem();
            if (!spacer)
                continue;
            ++spacers;
            QCOMPARE(spacer->sizeHint(), QSize(20, 40));
            QCOMPARE(spacer->sizePolicy().horizontalPolicy(), QSizePolicy::Minimum);
            QCOMPARE(spacer->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
        }
        QCOMPARE(spacers, 1);
    }
}

void FormTest::formRows_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("basic data") << "formLayout"
                                << QStringList{"tubeNameLabel",        "socketLabel",
                                               "henericTubeTypeLabel", "heatingMethodLabel",
                                               "heatingVoltageLabel",  "heatingVoltageACLabel",
                                               "heatingCurrentLabel"}
                                << QStringList{"tubeName",        "socket",
                                               "genericTubeType", "heatingMethod",
                                               "heatingVoltage",  "heatingVoltageAC",
                                               "heatingCurrent"};
    QTest::newRow("pinout") << "formLayout_2"
                            << numbered(QStringLiteral("pin%1Label"), 9) + QStringList{"capLabel"}
                            << numbered(QStringLiteral("pin%1Function"), 9)
                                   + QStringList{"capFunction"};
    QTest::newRow("operating point")
        << "formLayout_3"
        << QStringList{"plateVoltageLabel",     "screenVoltageLabel", "gridVoltageLabel",
                       "cathodeResistorLabel",  "cathodeCapLabel",    "rectPlateVoltageLabel",
                       "rectLoadResistorLabel", "rectCapLabel"}
        << QStringList{"plateVoltage", "screenVoltage",    "gridVoltage",      "cathodeResistor",
                       "cathodeCap",   "rectPlateVoltage", "rectLoadResistor", "rectCap"};
    QTest::newRow("desired values")
        << "formLayout_4"
        << QStringList{"plateCurrentLabel", "screenCurrentLabel", "transconductanceLabel",
                       "rectCurrentLabel"}
        << QStringList{"plateCurrent", "screenCurrent", "transconductance", "rectCurrent"};
    QTest::newRow("internal") << "formLayout_5"
                              << QStringList{"socketNumberLabel"}
                                     + numbered(QStringLiteral("linePin%1Label"), 9)
                              << QStringList{"socketNumber"}
                                     + numbered(QStringLiteral("linePin%1"), 9);
}

void FormTest::formRows()
{
    QFETCH(QString, layout);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, fields);

    Form form;
    auto *formLayout = findAs<QFormLayout>(form.window, layout);
    QCOMPARE(formLayout->rowCount(), labels.size());
    for (int row = 0; row < formLayout->rowCount(); ++row) {
        QCOMPARE(formLayout->itemAt(row, QFormLayout::LabelRole)->widget()->objectName(),
                 labels.at(row));
        QCOMPARE(formLayout->itemAt(row, QFormLayout::FieldRole)->widget()->objectName(),
                 fields.at(row));
    }
}

void FormTest::gridCells_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");

    QTest::newRow("universalCardView") << "gridLayout_2" << 0 << 0;
    QTest::newRow("createdCardView") << "gridLayout" << 0 << 0;
    QTest::newRow("isotestVoltageLabel") << "gridLayout_3" << 0 << 0;
    QTest::newRow("isotestVolage") << "gridLayout_3" << 0 << 1;
    QTest::newRow("isotestRangeLabel") << "gridLayout_3" << 1 << 0;
    QTest::newRow("isotestRange") << "gridLayout_3" << 1 << 1;
}

void FormTest::gridCells()
{
    QFETCH(QString, layout);
    QFETCH(int, row);
    QFETCH(int, column);

    Form form;
    auto *grid = findAs<QGridLayout>(form.window, layout);
    auto *widget = findAs<QWidget>(form.window, QString::fromLatin1(QTest::currentDataTag()));
    const int index = grid->indexOf(widget);
    QVERIFY(index >= 0);
    int actualRow, actualColumn, rowSpan, columnSpan;
    grid->getItemPosition(index, &actualRow, &actualColumn, &rowSpan, &columnSpan);
    QCOMPARE(actualRow, row);
    QCOMPARE(actualColumn, column);
    QCOMPARE(rowSpan, 1);
    QCOMPARE(columnSpan, 1);
}

void FormTest::numberFields_data()
{
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("value");

    QTest::newRow("heatingVoltage") << 2 << 1.0 << 17.0 << 0.1 << 1.0;
    QTest::newRow("heatingCurrent") << 2 << 0.0 << 3.0 << 0.1 << 1.0;
    QTest::newRow("plateVoltage") << 1 << 5.0 << 300.0 << 1.0 << 5.0;
    QTest::newRow("screenVoltage") << 1 << 5.0 << 5.0 << 1.0 << 5.0;
    QTest::newRow("gridVoltage") << 1 << -65.5 << 0.0 << 0.5 << 0.0;
    QTest::newRow("plateCurrent") << 2 << 0.0 << 99.99 << 1.0 << 0.0;
    QTest::newRow("screenCurrent") << 2 << 0.0 << 99.99 << 1.0 << 0.0;
    QTest::newRow("transconductance") << 2 << 0.0 << 99.99 << 1.0 << 0.0;
    QTest::newRow("rectCurrent") << 2 << 0.0 << 300.0 << 1.0 << 0.0;
}

void FormTest::numberFields()
{
    QFETCH(int, decimals);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(double, step);
    QFETCH(double, value);

    Form form;
    auto *field = findAs<QDoubleSpinBox>(form.window, QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(field->decimals(), decimals);
    QCOMPARE(field->minimum(), minimum);
    QCOMPARE(field->maximum(), maximum);
    QCOMPARE(field->singleStep(), step);
    QCOMPARE(field->value(), value);
}

void FormTest::lists_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("initialIndex");

    QTest::newRow("socket")
        << QStringList{"01: Septar",   "02: Acorn",         "03: ??",
                       "04: Oktal",    "05: UX5",           "06: ??",
                       "07: Oktal",    "08: Europa",        "09: UX-7",
                       "10: Miniatur", "11: Noval",         "12: Noval",
                       "13: GU50",     "14: Universal",     "15: Loktal 9",
                       "16: ??",       "17: UX-4",          "18: ??",
                       "19: Loktal 8", "A1: Aussenkontakt", QString::fromUtf8("A2: Stahlröhre"),
                       "A3: Rimlock",  "A4: Magnoval",      "A5: Noval"}
        << 0;
    QTest::newRow("genericTubeType")
        << QStringList{"Kleinsignaldiode", "Triode",
                       "Tetrode",          "Pentode",
                       "Hexode",           "Heptode",
                       "Oktode",           "Glimmstabilisator",
                       "Gleichrichter",    QString::fromUtf8("Anzeigeröhre")}
        << 0;
    QTest::newRow("heatingMethod") << QStringList{"Wechselstrom indirekt", "Wechselstrom direkt",
                                                  "Gleichstrom indirekt", "Gleichstrom direkt"}
                                   << 0;
    QTest::newRow("heatingVoltageAC")
        << QStringList{"2,5 V", "3 V", "4,5 V", "5,5 V", "7 V", "10 V", "13 V", "15 V"} << 4;
    QTest::newRow("capFunction") << QStringList{"Keine Kappe", "Steuergitter", "Schirmgitter",
                                                "Anode"}
                                 << 0;
    QTest::newRow("cathodeResistor")
        << QStringList{"0 Ohm",   "30 Ohm",  "50 Ohm",  "68 Ohm",  "75 Ohm",
                       "80 Ohm",  "100 Ohm", "120 Ohm", "150 Ohm", "160 Ohm",
                       "200 Ohm", "220 Ohm", "400 Ohm", "500 Ohm", "2x600 Ohm (Doppeltriode)"}
        << 0;
    const QString micro = QString::fromUtf8("µ");
    QTest::newRow("cathodeCap") << QStringList{"5 " + micro + "F", "10 " + micro + "F",
                                               "100 " + micro + "F"}
                                << 0;
    QTest::newRow("rectPlateVoltage") << QStringList{"2 x 350V", "2 x 400V", "2 x 500V"} << 0;
    QTest::newRow("rectLoadResistor")
        << QStringList{"2 kOhm", "3.3 kOhm", "3.6 kOhm", "5.2 kOhm", "5.7 kOhm"} << 0;
    QTest::newRow("rectCap") << QStringList{"5 " + micro + "F", "10 " + micro + "F"} << 0;
    QTest::newRow("isotestVolage") << QStringList{"100 V", "250 V"} << 1;
    QTest::newRow("isotestRange") << QStringList{
        "0,75 " + micro + "A", "3 " + micro + "A", "15 " + micro + "A", "30 " + micro + "A",
        "150 " + micro + "A"} << 1;
    for (int pin = 1; pin <= 9; ++pin)
        QTest::newRow(qPrintable(QStringLiteral("pin%1Function").arg(pin))) << QStringList() << -1;
}

void FormTest::lists()
{
    QFETCH(QStringList, items);
    QFETCH(int, initialIndex);

    Form form;
    auto *box = findAs<QComboBox>(form.window, QString::fromLatin1(QTest::currentDataTag()));
    QStringList actual;
    for (int i = 0; i < box->count(); ++i)
        actual.append(box->itemText(i));
    QCOMPARE(actual, items);
    QCOMPARE(box->currentIndex(), initialIndex);
    QVERIFY(!box->isEditable());
}

void FormTest::textFields_data()
{
    QTest::addColumn<bool>("readOnly");

    QTest::newRow("tubeName") << false;
    QTest::newRow("socketNumber") << true;
    for (int pin = 1; pin <= 9; ++pin)
        QTest::newRow(qPrintable(QStringLiteral("linePin%1").arg(pin))) << true;
}

void FormTest::textFields()
{
    QFETCH(bool, readOnly);

    Form form;
    auto *field = findAs<QLineEdit>(form.window, QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(field->isReadOnly(), readOnly);
    QVERIFY(field->text().isEmpty());
}

void FormTest::tubeNameRefusesThirteenthCharacter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    QTest::newRow("twelve") << "ECC83ECC83AB"
                            << "ECC83ECC83AB";
    QTest::newRow("thirteen") << "ECC83ECC83ABC"
                              << "ECC83ECC83AB";
    QTest::newRow("twenty") << "PCF80PCF80PCF80PCF80"
                            << "PCF80PCF80PC";
    QTest::newRow("umlauts") << QString::fromUtf8("ÄÖÜäöüßÄÖÜäöüß")
                             << QString::fromUtf8("ÄÖÜäöüßÄÖÜäö");
}

void FormTest::tubeNameRefusesThirteenthCharacter()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);

    Form form;
    // Key by key as a keyboard sends it; keyClicks knows only ASCII.
    for (const QChar character : typed)
        QTest::sendKeyEvent(QTest::Click, form.ui.tubeName, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
    QCOMPARE(form.ui.tubeName->text(), kept);
}

void FormTest::checkLabels_data()
{
    QTest::addColumn<int>("position"); // top to bottom in the check box

    QTest::newRow("plateOK") << 0;
    QTest::newRow("screenOK") << 1;
    QTest::newRow("gridOK") << 2;
    QTest::newRow("cathodeOK") << 3;
    QTest::newRow("heaterOK") << 4;
}

// The check colours a label's background through its style sheet; the label
// must fill its background for the colour to show.
void FormTest::checkLabels()
{
    QFETCH(int, position);

    Form form;
    auto *label = findAs<QLabel>(form.window, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().weight(), QFont::Bold);
    QVERIFY(label->autoFillBackground());
    QCOMPARE(label->alignment(), Qt::Alignment(Qt::AlignCenter));
    QVERIFY(label->styleSheet().isEmpty());
    QCOMPARE(form.ui.verticalLayout_2->indexOf(label), position);
}

void FormTest::cardViews_data()
{
    QTest::addColumn<bool>("acceptsDrops");

    QTest::newRow("universalCardView") << false;
    QTest::newRow("createdCardView") << true;
}

void FormTest::cardViews()
{
    QFETCH(bool, acceptsDrops);

    Form form;
    auto *view = findAs<QGraphicsView>(form.window, QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(view->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(view->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(view->minimumSize(), QSize(450, 320));
    QCOMPARE(view->baseSize(), QSize(0, 0));
    QCOMPARE(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(!view->isInteractive());
    QCOMPARE(view->acceptDrops(), acceptsDrops);
    QVERIFY(!view->scene());
}

// Tab walks the form column by column; widgets outside the list (the spin
// boxes' inner editors and the like) may sit in between.
void FormTest::tabOrder()
{
    const QStringList expected
        = QStringList{"tubeName",       "socket",           "genericTubeType", "heatingMethod",
                      "heatingVoltage", "heatingVoltageAC", "heatingCurrent"}
          + numbered(QStringLiteral("pin%1Function"), 9)
          + QStringList{"capFunction",     "plateVoltage",  "screenVoltage",    "gridVoltage",
                        "cathodeResistor", "cathodeCap",    "rectPlateVoltage", "rectLoadResistor",
                        "rectCap",         "plateCurrent",  "screenCurrent",    "transconductance",
                        "rectCurrent",     "isotestVolage", "isotestRange",     "socketNumber"}
          + numbered(QStringLiteral("linePin%1"), 9)
          + QStringList{"loadDataButton",  "saveDataButton",    "saveCardButton",
                        "printCardButton", "universalCardView", "createdCardView"};

    Form form;
    QStringList visited;
    QWidget *start = form.ui.tubeName;
    QWidget *widget = start;
    do {
        if (expected.contains(widget->objectName()) && !visited.contains(widget->objectName()))
            visited.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != start);
    QCOMPARE(visited, expected);
}

// The form sets its start indexes and values before it connects the slots,
// so building it runs no encoder; afterwards every change arrives.
void FormTest::buildingTheFormReachesNoSlot()
{
    RecordingWindow window;
    Ui::Lochkartor ui;
    ui.setupUi(&window);
    QCOMPARE(window.calls, QStringList());

    ui.tubeName->setText(QStringLiteral("EL84"));
    ui.socket->setCurrentIndex(10);
    ui.genericTubeType->setCurrentIndex(3);
    ui.heatingMethod->setCurrentIndex(2);
    ui.heatingVoltage->setEnabled(true);
    ui.heatingVoltage->setValue(6.3);
    ui.heatingVoltageAC->setCurrentIndex(0);
    ui.heatingCurrent->setValue(0.76);
    ui.pin1Function->addItem(QStringLiteral("Kathode"));
    ui.pin9Function->addItem(QStringLiteral("Anode"));
    ui.capFunction->setCurrentIndex(3);
    ui.plateVoltage->setValue(250);
    ui.screenVoltage->setMaximum(250);
    ui.screenVoltage->setValue(250);
    ui.gridVoltage->setValue(-7.5);
    ui.cathodeResistor->setCurrentIndex(7);
    ui.cathodeCap->setCurrentIndex(2);
    ui.rectPlateVoltage->setCurrentIndex(1);
    ui.rectCurrent->setValue(70);
    ui.isotestVolage->setCurrentIndex(0);
    ui.isotestRange->setCurrentIndex(0);

    QStringList expected
        = {"tubeName",       "socket",           "genericTubeType", "heatingMethod",
           "heatingVoltage", "heatingVoltageAC", "heatingCurrent",  "pin1Function",
           "pin9Function",   "capFunction",      "plateVoltage",    "screenVoltage",
           "gridVoltage",    "cathodeResistor",  "cathodeCap",      "rectPlateVoltage",
           "rectCurrent",    "isotestVolage",    "isotestRange"};
    QCOMPARE(window.calls, expected);
}

QTEST_MAIN(FormTest)
#include "tst_form.moc"
