#pragma once

#include "card.h"
#include "cardscenes.h"
#include "form_snapshot.h"
#include "print_calibration.h"
#include "tube.h"
#include "tube_data_conditions.h"
#include "tube_data_problem.h"
#include "tube_data_values.h"
#include "validity_rules.h"

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

class EditHistory;
struct PrintedTexts;
class QAbstractItemModel;
class QCloseEvent;
class QComboBox;
class QDragEnterEvent;
class QDropEvent;
class QMenu;
class QLabel;
class QLineEdit;
class QPainter;
class QPrinter;
class QStandardItemModel;
class UnknownFields;

namespace Ui {
class Lochkartor;
}

// The program's one window. It owns the form, the two card pictures and the
// few values the card encoders share; every edit in the form arrives at one
// slot, which runs the encoder of that value.
class Lochkartor : public QMainWindow
{
    Q_OBJECT

public:
    explicit Lochkartor(QWidget *parent = nullptr);
    ~Lochkartor() override;

    // While one lives, the cards and the check colours wait; when the last
    // one goes they are drawn once, from the card of the form's tube. Every
    // slot and encoder holds one, so an edit with all the changes it sets
    // off redraws once.
    class CardUpdate
    {
    public:
        explicit CardUpdate(Lochkartor *window);
        ~CardUpdate();
        CardUpdate(const CardUpdate &) = delete;
        CardUpdate &operator=(const CardUpdate &) = delete;

    private:
        Lochkartor *m_window;
    };

    const CardScenes &cards() const { return *m_cards; }
    int currentPinCount() const { return pinCount; }
    // The window size that shows the whole form, bars included, without
    // scrolling.
    QSize naturalSize() const;
    int pinLine(int pin) const { return pinLines[pin - 1]; }
    bool isRectifier() const { return rectifierFlag; }
    bool hasControlGrid() const { return controlGridFlag; }
    bool hasScreenGrid() const { return screenGridFlag; }
    bool hasHeater() const { return heaterPresentFlag; }
    bool isDirectlyHeated() const { return directHeatingFlag; }

    // Hole primitives, acting on both cards.
    void showHole(int hole, int field);
    void hideHole(int hole, int field);
    void setGridVoltageHoles(int choice);
    void setGridScaleHoles(int choice);
    void setScreenVoltageHoles(int choice);
    void setScreenScaleHoles(int choice);
    void setTubeNameText(const QString &name);

    // Socket and pin wiring.
    void encodeSocket(int index);
    void setPinLine(int pin, int line);
    void setPinCount(int n);
    void encodePinFunction(int line, int function);
    void encodeCapFunction(int index);

    // Tube type.
    void encodeTubeType(int index);

    // Heating.
    void encodeHeatingMethod(int method);
    void encodeHeatingVoltageAC(int tap);
    void encodeHeatingVoltage(double volts);
    void writeHeatingCurrentText(double amperes);

    // Operating point.
    void encodePlateVoltage(double volts);
    void encodeRectPlateVoltage(int supply);
    void encodeScreenVoltage(double volts);
    void encodeGridVoltage(double volts);
    void encodeCathodeResistor(int choice);
    void encodeCathodeCap(int choice);

    // Desired values.
    void encodePlateCurrent(double milliamperes);
    void encodeRectCurrent(double milliamperes);
    void encodeScreenCurrent(double milliamperes);
    void encodeTransconductance(double milliamperesPerVolt);

    // Isolation test.
    void encodeIsotestVoltage(int index);
    void encodeIsotestRange(int index);

    // The form's values, switched-off fields included, and the card the
    // window shows: its holes, texts and the verdicts of the check.
    Tube tube() const;
    Card shownCard() const;

    // Returns the form, the values its switched-off blocks keep, both cards
    // and the check colours to exactly what a freshly built window shows.
    void resetToFreshForm();

    // Every value of the form as one value, and showing one: the form, both
    // cards and the check colours become exactly what they were when it was
    // taken.
    FormValue formValue() const;
    void showFormValue(const FormValue &form);
    FormSnapshot formSnapshot() const;
    void showFormSnapshot(const FormSnapshot &snapshot);
    // Puts a value into the form, and draws its card, without a slot hearing
    // of it: what an edit of the document shows.
    void putFormValue(const FormValue &form);
    // Shows `tube` as the form of a fresh window that is given its values:
    // what "Neu" and a load show.
    void showTube(const Tube &tube);
    // The undo history of the form, behind "Bearbeiten".
    EditHistory &editHistory() const { return *m_history; }

    // Colours the five check labels with the verdicts of the card shown.
    void checkValidity();
    // The texts of the check labels that show red, top to bottom as the
    // check box shows them.
    QStringList failedChecks() const;

    // Card output and tube data files; the buttons only ask for the name.
    bool saveCardImage(const QString &fileName);
    void renderCreatedCard(QPainter *painter, const QRectF &target);
    bool printCard(QPrinter *printer);
    void paintPrintPreview(QPrinter *printer);
    void showPrintPreview();
    // "Druck kalibrieren…": the test page, and the correction kept in the
    // settings that "Karte drucken" applies (none without settings).
    bool printCalibrationPage(QPrinter *printer);
    void calibratePrinting();
    PrintCalibration::Correction printCorrection() const;
    // A settings write that failed ("Einstellungen konnten nicht gespeichert
    // werden: …"), shown once in the status bar; an empty reason shows nothing.
    void reportSettingsNotSaved(const QString &reason);
    bool saveTubeData(const QString &fileName);
    bool loadTubeData(const QString &fileName);
    // Loads without a message box: an empty string, or why the file was
    // refused (the form is then unchanged).
    QString loadTubeDataOrError(const QString &fileName);
    // The same for batch use: why the file was refused, or what loading
    // adjusted to fit the form.
    TubeData::Problem loadTubeDataQuietly(const QString &fileName,
                                          std::vector<TubeData::Adjustment> *adjusted);

    // The window as a document: the tube data file it shows (empty for a new
    // tube) and whether the form differs from what was last saved or loaded.
    QString documentFile() const { return m_documentFile; }
    // Loads the first file named after the program's own name, if any.
    void openFromArguments(const QStringList &arguments);
    // Loads the file named on the command line; an empty name loads nothing.
    void openCommandLineFile(const QString &fileName);
    // Asks to save unsaved changes; false when the user cancelled or the
    // save did not happen, and the caller must then leave everything as is.
    bool maybeSave();
    void newDocument();
    bool saveDocument();
    void openRecentFile(const QString &fileName);
    void openDroppedFile(const QString &fileName);
    // "Karte einlesen…": asks for a card's holes and a socket, shows what
    // they say and, on OK, fills the form with the form that punches them.
    void askAndReadCard();
    // Fills the form with the one read from `holes` (socket list index, or
    // -1 for the best serving socket), as loading its tube data file would,
    // taking the values of the card's print that agree with the holes;
    // returns the report of the reading.
    QString fillFormFromCard(const HoleList &holes, int socket,
                             const PrintedTexts *print = nullptr);
    // The fields of a form read from a card whose values the card does not
    // give, marked until the user edits them.
    UnknownFields &unknownFields();
    int unknownFieldCount() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private slots:
    void on_tubeName_textChanged(const QString &text);
    void on_socket_currentIndexChanged(int index);
    void on_genericTubeType_currentTextChanged(const QString &text);
    void on_genericTubeType_currentIndexChanged(int index);
    void on_heatingMethod_currentIndexChanged(int index);
    void on_heatingVoltage_valueChanged(double value);
    void on_heatingCurrent_valueChanged(double value);
    void on_plateVoltage_valueChanged(double value);
    void on_screenVoltage_valueChanged(double value);
    void on_gridVoltage_valueChanged(double value);
    void on_cathodeResistor_currentIndexChanged(int index);
    void on_cathodeCap_currentIndexChanged(int index);
    void on_isotestVolage_currentIndexChanged(int index);
    void on_isotestRange_currentIndexChanged(int index);
    void on_heatingVoltageAC_currentIndexChanged(int index);
    void on_plateCurrent_valueChanged(double value);
    void on_screenCurrent_valueChanged(double value);
    void on_transconductance_valueChanged(double value);
    void on_pin1Function_currentIndexChanged(int index);
    void on_pin2Function_currentIndexChanged(int index);
    void on_pin3Function_currentIndexChanged(int index);
    void on_pin4Function_currentIndexChanged(int index);
    void on_pin5Function_currentIndexChanged(int index);
    void on_pin6Function_currentIndexChanged(int index);
    void on_pin7Function_currentIndexChanged(int index);
    void on_pin8Function_currentIndexChanged(int index);
    void on_pin9Function_currentIndexChanged(int index);
    void on_rectPlateVoltage_currentIndexChanged(int index);
    void on_rectLoadResistor_currentIndexChanged(int index);
    void on_rectCap_currentIndexChanged(int index);
    void on_printCardButton_clicked();
    void on_saveCardButton_clicked();
    void on_rectCurrent_valueChanged(double value);
    void on_capFunction_currentIndexChanged(int index);
    void on_saveDataButton_clicked();
    void on_loadDataButton_clicked();

private:
    void createItemModels();
    void addReadCardAction();
    void runInitialEncoderPass();
    void fitViews();
    // A slot's edit, made in the document, which the form then shows.
    void editField(TubeField field, double value);
    void showCardOfTube();
    void findFieldLabels();
    void showPinRows(const FormValue &form);
    bool pinRowFilled(int pin, int line, int pins) const;
    QAbstractItemModel *pinModel(int pin, int line, int pins) const;
    QString pinLineText(int pin, int line, int pins) const;
    void paintCardAt150Ppi(QPainter *painter, int resolution);
    // One page printed by `paint` (painter, device resolution); a failure is
    // reported under the given texts.
    using PagePainter = std::function<void(QPainter *, int)>;
    struct PrintTexts
    {
        QString notPrinted;   // message title
        QString printerFault; // %1: the printer
    };
    bool printPage(QPrinter *printer, const PagePainter &paint, const PrintTexts &texts);
    bool printPageToPdf(QPrinter *printer, const PagePainter &paint, const PrintTexts &texts);
    void printCalibrationPageFromDialog();
    bool storePrintCorrection(const PrintCalibration::Correction &correction);
    const std::array<Validity::Finding, Validity::CheckCount> &validityFindings() const
    {
        return m_findings;
    }
    std::array<QLabel *, Validity::CheckCount> checkLabels() const;

    // Document state, menus and the window's size.
    void setUpDocument();
    TubeData::Conditions saveConditions() const;
    TubeData::Values valuesToSave() const;
    void startDocument(const QString &fileName);
    void documentSaved(const QString &fileName);
    void documentLoaded(const QString &fileName);
    void showDocumentTitle();
    void refreshModified();
    void fillForm(const std::function<void()> &fill);
    void setUpEditHistory();
    QString documentName() const;
    void createMenus();
    void fillRecentMenu();
    void showAbout();
    void wrapFormInScrollArea();
    void fitToScreen();

    // The four switches of the tube type.
    void switchRectifierMode(bool on);
    void switchGlowStabiliser(bool on);
    void switchScreenGrid(bool on);
    void switchControlGrid(bool on);

    Ui::Lochkartor *ui;
    int pinCount = 0;
    std::array<int, 9> pinLines{}; // index pin - 1; 0 = pin reaches no tester line
    bool rectifierFlag = false;
    bool directHeatingFlag = false;
    bool controlGridFlag = false;
    bool screenGridFlag = false;
    bool heaterPresentFlag = false;
    std::array<QComboBox *, 9> pinFunctionBoxes{};
    std::array<QLineEdit *, 9> pinLineEdits{};
    std::unique_ptr<CardScenes> m_cards;
    std::array<QWidget *, TubeFieldCount> m_fieldWidgets{};           // by TubeField
    std::array<QLabel *, TubeFieldCount> m_fieldLabels{};             // greyed with the field
    std::array<Validity::Finding, Validity::CheckCount> m_findings{}; // of the card shown
    int m_cardUpdates = 0;
    std::array<QStandardItemModel *, 9> lineModels{}; // index line - 1
    QStandardItemModel *noPinModel = nullptr;
    QStandardItemModel *unwiredPinModel = nullptr; // a pin no socket gave a line
    QStandardItemModel *heatingMethodModel = nullptr;
    QString m_documentFile;
    TubeData::Values m_savedValues;
    std::vector<QWidget *> m_saveFields; // the form field of each tube data key
    QMenu *m_recentMenu = nullptr;
    // While a whole form is put in, the check colours and the changed mark
    // are worked out once at the end rather than after every value.
    bool m_fillingForm = false;
    bool m_settingsProblemShown = false;
    mutable bool m_invalidCorrectionShown = false; // named once, when first used
    EditHistory *m_history = nullptr;
    UnknownFields *m_unknownFields = nullptr; // made by the first card read
};
