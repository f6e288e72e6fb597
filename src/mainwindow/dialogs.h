#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

class QPrinter;
class QWidget;

// Thin wrappers around the modal dialogs. Tests and batch tools switch to a
// script: answers are queued beforehand, nothing modal ever opens, and every
// dialog the program asked for is recorded.
namespace Dialogs {

QString saveFileName(QWidget *parent, const QString &caption, const QString &directory,
                     const QString &filter);
QString openFileName(QWidget *parent, const QString &caption, const QString &directory,
                     const QString &filter);
bool execPrintDialog(QPrinter *printer);
// Messages show their text as plain text, never as rich text.
void critical(QWidget *parent, const QString &title, const QString &text,
              QMessageBox::StandardButtons buttons = QMessageBox::Ok);
void information(QWidget *parent, const QString &title, const QString &text);
void showPlainMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                      const QString &text, QMessageBox::StandardButtons buttons);

struct Record
{
    enum Kind { SaveFile, OpenFile, Print, Critical, Information };
    Kind kind;
    QString caption; // dialog caption or message title
    QString directory;
    QString filter;
    QString text; // message text
    QMessageBox::StandardButtons buttons;
};

namespace Script {
// While scripted, a file dialog without a queued answer is cancelled and a
// print dialog is rejected.
void begin();
void end();
bool isActive();
void answerFileName(const QString &fileName);
void answerPrintDialog(bool accept);
const QList<Record> &records();
QList<Record> messages(); // critical and information messages
void clearRecords();
} // namespace Script

} // namespace Dialogs
