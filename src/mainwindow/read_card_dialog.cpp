#include "read_card_dialog.h"

#include "dialogs.h"
#include "hole_input.h"
#include "reading_report.h"
#include "texts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The numbers of one field as the text field shows them.
QString numbersOf(const HoleList &holes, int field)
{
    QStringList numbers;
    for (const Hole &hole : holes) {
        if (hole.field == field)
            numbers << QString::number(hole.number);
    }
    return numbers.join(QLatin1Char(' '));
}

} // namespace

ReadCardDialog::ReadCardDialog(QWidget *parent, const QStringList &sockets,
                               std::function<QString(const HoleList &, int)> report)
    : QDialog(parent)
    , m_report(std::move(report))
{
    setWindowTitle(LochkartorText::tr("Karte einlesen"));
    m_fieldI = new QLineEdit(this);
    m_fieldII = new QLineEdit(this);
    m_fieldI->setPlaceholderText(LochkartorText::tr("z. B. 9 20 24"));
    m_fieldII->setPlaceholderText(LochkartorText::tr("z. B. 5 6 12"));
    m_socket = new QComboBox(this);
    m_socket->addItem(LochkartorText::tr("beste passende Fassung"));
    m_socket->addItems(sockets);
    auto *jsonButton = new QPushButton(LochkartorText::tr("Aus JSON-Datei…"), this);
    m_reportView = new QPlainTextEdit(this);
    m_reportView->setReadOnly(true);
    m_reportView->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_reportView->setMinimumSize(560, 380);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto *form = new QFormLayout;
    form->addRow(LochkartorText::tr("Löcher Feld I:"), m_fieldI);
    form->addRow(LochkartorText::tr("Löcher Feld II:"), m_fieldII);
    form->addRow(QString(), jsonButton);
    form->addRow(LochkartorText::tr("Fassung:"), m_socket);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_reportView);
    layout->addWidget(m_buttons);

    connect(m_fieldI, &QLineEdit::textChanged, this, &ReadCardDialog::update);
    connect(m_fieldII, &QLineEdit::textChanged, this, &ReadCardDialog::update);
    connect(m_socket, &QComboBox::currentIndexChanged, this, &ReadCardDialog::update);
    connect(jsonButton, &QPushButton::clicked, this, &ReadCardDialog::loadJson);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    update();
}

int ReadCardDialog::socket() const
{
    return m_socket->currentIndex() - 1;
}

// Every change reads the card anew; OK takes only holes that were read.
void ReadCardDialog::update()
{
    const HoleInput::Parsed fieldI = HoleInput::fromNumbers(m_fieldI->text(), HoleGrid::FieldI);
    const HoleInput::Parsed fieldII = HoleInput::fromNumbers(m_fieldII->text(), HoleGrid::FieldII);
    const QString error = !fieldI.error.isEmpty() ? fieldI.error : fieldII.error;
    m_holes = fieldI.holes;
    m_holes.insert(m_holes.end(), fieldII.holes.begin(), fieldII.holes.end());
    const bool readable = error.isEmpty() && !m_holes.empty();
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(readable);
    if (!error.isEmpty())
        m_reportView->setPlainText(error);
    else if (m_holes.empty())
        m_reportView->setPlainText(
            LochkartorText::tr("Die Löcher der Karte eingeben: je Feld die Lochnummern "
                               "1 bis 72, durch Leerzeichen getrennt."));
    else
        m_reportView->setPlainText(m_report(m_holes, socket()));
}

void ReadCardDialog::loadJson()
{
    const QString fileName
        = Dialogs::openFileName(this, LochkartorText::tr("Löcher aus JSON-Datei"), QDir::homePath(),
                                QStringLiteral("*.json"));
    if (fileName.isEmpty())
        return;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        m_reportView->setPlainText(
            LochkartorText::tr("%1 lässt sich nicht lesen: %2")
                .arg(QDir::toNativeSeparators(fileName), file.errorString()));
        return;
    }
    const HoleInput::Parsed parsed = HoleInput::fromJson(file.read(1 << 20));
    if (!parsed.error.isEmpty()) {
        m_reportView->setPlainText(QDir::toNativeSeparators(fileName) + QStringLiteral(": ")
                                   + parsed.error);
        return;
    }
    m_fieldI->setText(numbersOf(parsed.holes, HoleGrid::FieldI));
    m_fieldII->setText(numbersOf(parsed.holes, HoleGrid::FieldII));
}
