#pragma once

#include "hole.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QDialogButtonBox;
class QLineEdit;
class QPlainTextEdit;

// "Karte einlesen…": the holes of both fields (typed, or from a JSON file)
// and a socket; shows the report of each try and, on OK, hands the holes and
// the socket back.
class ReadCardDialog : public QDialog
{
    Q_OBJECT

public:
    // `report` gives the report for holes and a socket list index (-1: the
    // best that serves every line).
    ReadCardDialog(QWidget *parent, const QStringList &sockets,
                   std::function<QString(const HoleList &, int)> report);

    HoleList holes() const { return m_holes; }
    int socket() const;

private:
    void update();
    void loadJson();

    std::function<QString(const HoleList &, int)> m_report;
    QLineEdit *m_fieldI = nullptr;
    QLineEdit *m_fieldII = nullptr;
    QComboBox *m_socket = nullptr;
    QPlainTextEdit *m_reportView = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
    HoleList m_holes;
};
