#pragma once

#include "hole.h"
#include "printed_texts.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class CardScenes;
class QGraphicsItem;
class QGraphicsView;

class QComboBox;
class QDialogButtonBox;
class QLineEdit;
class QPlainTextEdit;

// "Karte einlesen…": the holes of both fields (typed, from a JSON file or
// read from a picture of the card) and a socket; shows the report of each
// try and, on OK, hands the holes and the socket back. Once a picture was
// read, the universal card shows the holes that will be read, and rings
// the positions the picture left in doubt.
class ReadCardDialog : public QDialog
{
    Q_OBJECT

public:
    // `report` gives the report for holes and a socket list index (-1: the
    // best that serves every line), with the card's print once a picture
    // was read.
    using Report = std::function<QString(const HoleList &, int, const PrintedTexts *)>;
    ReadCardDialog(QWidget *parent, const QStringList &sockets, Report report);
    ReadCardDialog(QWidget *parent, const QStringList &sockets,
                   std::function<QString(const HoleList &, int)> report);
    ~ReadCardDialog() override;

    // Reads the holes from a scan or photograph; false, with the reason in
    // the report, when the file is no picture or shows no card.
    bool readPicture(const QString &fileName);
    const CardScenes &cards() const { return *m_cards; }
    bool isCardShown() const;
    QString reportText() const;

    HoleList holes() const { return m_holes; }
    // The texts printed on the card of the picture read last.
    const std::optional<PrintedTexts> &print() const { return m_print; }
    // The socket list index chosen, or -1 when the user left the choice open.
    int socket() const;
    // The sockets (list indexes, most likely first) that fit a card; the
    // socket list then offers these first. Without it, the list offers all.
    void setFittingSockets(std::function<std::vector<int>(const HoleList &)> fitting);

private:
    void update();
    void offerSockets(const std::vector<int> &fitting);
    void growWithinScreen();
    QSize screenRoom() const;
    void loadJson();
    void choosePicture();
    void markUncertain(const HoleList &positions);

    Report m_report;
    std::function<std::vector<int>(const HoleList &)> m_fitting;
    QStringList m_socketNames;
    std::vector<int> m_offered; // the fitting sockets the list shows first
    bool m_offeredByFitting = false;
    QLineEdit *m_fieldI = nullptr;
    QLineEdit *m_fieldII = nullptr;
    QComboBox *m_socket = nullptr;
    QPlainTextEdit *m_reportView = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
    QGraphicsView *m_cardView = nullptr;
    std::unique_ptr<CardScenes> m_cards;
    std::vector<QGraphicsItem *> m_doubtRings;
    QString m_pictureNote; // what the picture reader says, above the report
    HoleList m_holes;
    std::optional<PrintedTexts> m_print;
    int m_printedSocket = -1; // the fitting socket the card prints, or -1
};
