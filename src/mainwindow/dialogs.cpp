#include "dialogs.h"
#include "texts.h"

#include "print_calibration_dialog.h"
#include "read_card_dialog.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPushButton>
#include <QQueue>

namespace {

struct ScriptState
{
    bool active = false;
    QQueue<QString> fileNames;
    QQueue<bool> printAnswers;
    QQueue<Dialogs::SaveAnswer> saveAnswers;
    QQueue<bool> questionAnswers;
    QQueue<Dialogs::CardHoles> cardAnswers;
    QQueue<Dialogs::Calibration> calibrationAnswers;
    QList<Dialogs::Record> records;
};

ScriptState &script()
{
    static ScriptState state;
    return state;
}

QString scriptedFileName(Dialogs::Record::Kind kind, const QString &caption,
                         const QString &directory, const QString &filter)
{
    script().records.append({kind, caption, directory, filter, QString(), {}});
    return script().fileNames.isEmpty() ? QString() : script().fileNames.dequeue();
}

} // namespace

namespace Dialogs {

std::optional<CardHoles> askCardHoles(
    QWidget *parent, const QStringList &sockets,
    const std::function<QString(const HoleList &, int, const PrintedTexts *)> &report,
    const std::function<std::vector<int>(const HoleList &)> &fitting)
{
    if (script().active) {
        script().records.append({Record::ReadCard, QString(), QString(), QString(), QString(), {}});
        if (script().cardAnswers.isEmpty())
            return std::nullopt;
        const CardHoles answer = script().cardAnswers.dequeue();
        report(answer.holes, answer.socket, answer.print ? &*answer.print : nullptr);
        return answer;
    }
    ReadCardDialog dialog(parent, sockets, report);
    if (fitting)
        dialog.setFittingSockets(fitting);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return CardHoles{dialog.holes(), dialog.socket(), dialog.print()};
}

std::optional<Calibration> askPrintCalibration(QWidget *parent, const QString &current,
                                               bool hasCorrection, double measuredX,
                                               double measuredY,
                                               const std::function<void()> &printTestPage)
{
    if (script().active) {
        script().records.append(
            {Record::Calibration, QString(), QString(), QString(), current, {}});
        if (script().calibrationAnswers.isEmpty())
            return std::nullopt;
        const Calibration answer = script().calibrationAnswers.dequeue();
        if (answer.printTestPage)
            printTestPage();
        return answer;
    }
    PrintCalibrationDialog dialog(parent, current, hasCorrection, measuredX, measuredY,
                                  printTestPage);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    Calibration answer;
    answer.reset = dialog.resetRequested();
    answer.measuredX = dialog.measuredX();
    answer.measuredY = dialog.measuredY();
    return answer;
}

QString saveFileName(QWidget *parent, const QString &caption, const QString &directory,
                     const QString &filter, const QString &defaultSuffix)
{
    if (script().active)
        return scriptedFileName(Record::SaveFile, caption, directory, filter);
    QFileDialog dialog(parent, caption, directory, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString openFileName(QWidget *parent, const QString &caption, const QString &directory,
                     const QString &filter)
{
    if (script().active)
        return scriptedFileName(Record::OpenFile, caption, directory, filter);
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

bool execPrintDialog(QPrinter *printer)
{
    if (script().active) {
        script().records.append({Record::Print, QString(), QString(), QString(), QString(), {}});
        return !script().printAnswers.isEmpty() && script().printAnswers.dequeue();
    }
    QPrintDialog dialog(printer);
    return dialog.exec() == QDialog::Accepted;
}

// File and tube names come from users and files; QMessageBox would show a
// text that looks like HTML as rich text.
void showPlainMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                      const QString &text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void critical(QWidget *parent, const QString &title, const QString &text,
              QMessageBox::StandardButtons buttons)
{
    if (script().active) {
        script().records.append({Record::Critical, title, QString(), QString(), text, buttons});
        return;
    }
    showPlainMessage(parent, QMessageBox::Critical, title, text, buttons);
}

void information(QWidget *parent, const QString &title, const QString &text)
{
    if (script().active) {
        script().records.append(
            {Record::Information, title, QString(), QString(), text, QMessageBox::Ok});
        return;
    }
    showPlainMessage(parent, QMessageBox::Information, title, text, QMessageBox::Ok);
}

void warning(QWidget *parent, const QString &title, const QString &text)
{
    if (script().active) {
        script().records.append({Record::Warning, title, QString(), QString(), text, {}});
        return;
    }
    showPlainMessage(parent, QMessageBox::Warning, title, text, QMessageBox::Ok);
}

void about(QWidget *parent, const QString &title, const QString &text)
{
    if (script().active) {
        script().records.append({Record::About, title, QString(), QString(), text, {}});
        return;
    }
    QMessageBox::about(parent, title, text);
}

SaveAnswer askToSave(QWidget *parent, const QString &title, const QString &text)
{
    if (script().active) {
        script().records.append({Record::AskToSave, title, QString(), QString(), text,
                                 QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel});
        return script().saveAnswers.isEmpty() ? SaveAnswer::Cancel : script().saveAnswers.dequeue();
    }
    QMessageBox box(QMessageBox::Warning, title, text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    // The program's own texts, so the buttons speak the language of the rest
    // of the window whether or not Qt's translations are installed.
    box.button(QMessageBox::Save)->setText(LochkartorText::tr("Speichern"));
    box.button(QMessageBox::Discard)->setText(LochkartorText::tr("Verwerfen"));
    box.button(QMessageBox::Cancel)->setText(LochkartorText::tr("Abbrechen"));
    box.setTextFormat(Qt::PlainText); // the file name is the user's
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveAnswer::Save;
    case QMessageBox::Discard:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

bool question(QWidget *parent, const QString &title, const QString &text)
{
    if (script().active) {
        script().records.append({Record::Question, title, QString(), QString(), text,
                                 QMessageBox::Yes | QMessageBox::No});
        return !script().questionAnswers.isEmpty() && script().questionAnswers.dequeue();
    }
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

namespace Script {

void begin()
{
    script() = ScriptState();
    script().active = true;
}

void end()
{
    script() = ScriptState();
}

bool isActive()
{
    return script().active;
}

void answerFileName(const QString &fileName)
{
    script().fileNames.enqueue(fileName);
}

void answerPrintDialog(bool accept)
{
    script().printAnswers.enqueue(accept);
}

void answerAskToSave(SaveAnswer answer)
{
    script().saveAnswers.enqueue(answer);
}

void answerQuestion(bool yes)
{
    script().questionAnswers.enqueue(yes);
}

void answerCardHoles(const CardHoles &answer)
{
    script().cardAnswers.enqueue(answer);
}

void answerPrintCalibration(const Calibration &answer)
{
    script().calibrationAnswers.enqueue(answer);
}

const QList<Record> &records()
{
    return script().records;
}

QList<Record> messages()
{
    QList<Record> result;
    for (const Record &record : script().records) {
        if (record.kind == Record::Critical || record.kind == Record::Information
            || record.kind == Record::Warning)
            result.append(record);
    }
    return result;
}

void clearRecords()
{
    script().records.clear();
}

} // namespace Script
} // namespace Dialogs
