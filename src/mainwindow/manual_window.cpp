#include "manual_window.h"

#include "texts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

static void initManualResource()
{
    // The resource lives in a static library, whose initialiser the linker
    // may drop.
    Q_INIT_RESOURCE(manual);
}

namespace ManualWindow {

QString manualText()
{
    initManualResource();
    // The translation names the manual of its language.
    QFile file(LochkartorText::tr(":/manual/de.html"));
    if (!file.open(QIODevice::ReadOnly))
        file.setFileName(QStringLiteral(":/manual/de.html"));
    if (!file.isOpen() && !file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void show(QWidget *parent)
{
    const QString name = QStringLiteral("manualWindow");
    auto *dialog = parent->findChild<QDialog *>(name, Qt::FindDirectChildrenOnly);
    if (!dialog) {
        dialog = new QDialog(parent);
        dialog->setObjectName(name);
        dialog->setWindowTitle(LochkartorText::tr("Anleitung"));
        auto *text = new QTextBrowser(dialog);
        text->setObjectName(QStringLiteral("manualText"));
        text->setHtml(manualText());
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
        QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
        auto *layout = new QVBoxLayout(dialog);
        layout->addWidget(text);
        layout->addWidget(buttons);
        dialog->resize(640, 620);
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

} // namespace ManualWindow
