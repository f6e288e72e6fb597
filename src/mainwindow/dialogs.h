#pragma once

#include "hole.h"
#include "printed_texts.h"

#include <QList>
#include <QMessageBox>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QPrinter;
class QWidget;

// Thin wrappers around the modal dialogs. Tests and batch tools switch to a
// script: answers are queued beforehand, nothing modal ever opens, and every
// dialog the program asked for is recorded.
namespace Dialogs {

// `defaultSuffix` (without the dot) is added to a name typed without one
// before the dialog checks for an existing file.
QString saveFileName(QWidget *parent, const QString &caption, const QString &directory,
                     const QString &filter, const QString &defaultSuffix = QString());
QString openFileName(QWidget *parent, const QString &caption, const QString &directory,
                     const QString &filter);
bool execPrintDialog(QPrinter *printer);
// Messages show their text as plain text, never as rich text.
void critical(QWidget *parent, const QString &title, const QString &text,
              QMessageBox::StandardButtons buttons = QMessageBox::Ok);
void information(QWidget *parent, const QString &title, const QString &text);
void warning(QWidget *parent, const QString &title, const QString &text);
void showPlainMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                      const QString &text, QMessageBox::StandardButtons buttons);
// The program's own rich text: version, licence and Qt version.
void about(QWidget *parent, const QString &title, const QString &text);

// Asks whether to save unsaved changes, with the buttons "Speichern",
// "Verwerfen" and "Abbrechen"; closing the box cancels.
enum class SaveAnswer { Save, Discard, Cancel };
SaveAnswer askToSave(QWidget *parent, const QString &title, const QString &text);
// A yes/no question whose default is "No"; true for "Yes".
bool question(QWidget *parent, const QString &title, const QString &text);

// "Karte einlesen…": the holes and the socket list index (-1 for the best
// serving socket) the user read, or nothing when cancelled. `report` gives
// the report the dialog shows for each try.
// With a picture of the card, also the texts printed on it.
struct CardHoles
{
    HoleList holes;
    int socket = -1;
    std::optional<PrintedTexts> print = std::nullopt;
};
// `fitting` gives the sockets that fit the holes, most likely first, which
// the dialog offers first (the printed one before them).
std::optional<CardHoles> askCardHoles(
    QWidget *parent, const QStringList &sockets,
    const std::function<QString(const HoleList &, int, const PrintedTexts *)> &report,
    const std::function<std::vector<int>(const HoleList &)> &fitting = {});

// "Druck kalibrieren…": the ruler lengths the user measured (millimetres),
// or the wish to print uncorrected again; nothing when cancelled.
// `printTestPage` runs when the user asks for the test page.
struct Calibration
{
    bool reset = false;
    double measuredX = 0;
    double measuredY = 0;
    bool printTestPage = false; // scripted only: the test page was asked for first
};
std::optional<Calibration> askPrintCalibration(QWidget *parent, const QString &current,
                                               bool hasCorrection, double measuredX,
                                               double measuredY,
                                               const std::function<void()> &printTestPage);

struct Record
{
    enum Kind {
        SaveFile,
        OpenFile,
        Print,
        Critical,
        Information,
        Warning,
        About,
        AskToSave,
        Question,
        ReadCard,
        Calibration
    };
    Kind kind;
    QString caption; // dialog caption or message title
    QString directory;
    QString filter;
    QString text; // message text
    QMessageBox::StandardButtons buttons;
};

namespace Script {
// While scripted, a file dialog without a queued answer is cancelled, a
// print dialog is rejected, a question to save is cancelled and a yes/no
// question is answered "No".
void begin();
void end();
bool isActive();
void answerFileName(const QString &fileName);
void answerPrintDialog(bool accept);
void answerAskToSave(SaveAnswer answer);
void answerQuestion(bool yes);
// Without a queued answer the card dialog is cancelled.
void answerCardHoles(const CardHoles &answer);
// Without a queued answer the calibration dialog is cancelled.
void answerPrintCalibration(const Calibration &answer);
const QList<Record> &records();
QList<Record> messages(); // critical, information and warning messages
void clearRecords();
} // namespace Script

} // namespace Dialogs
