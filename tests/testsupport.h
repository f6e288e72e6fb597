#pragma once

#include "hole.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtTest>

// Shared helpers of the test programs that need no window;
// testsupport_window.h adds those that reach into one.
class QTranslator;

namespace TestSupport {

// The sanitizer build runs unoptimised; long property tests take fewer cases there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool underSanitizers = true;
#elif defined(__has_feature)
constexpr bool underSanitizers = __has_feature(address_sanitizer);
#else
constexpr bool underSanitizers = false;
#endif

// A translator installed while it lives.
class InstalledTranslator
{
public:
    explicit InstalledTranslator(QTranslator &translator);
    ~InstalledTranslator();

private:
    QTranslator &m_translator;
};

// A file's bytes (empty when it cannot be read), and writing them.
QByteArray readAll(const QString &path);
bool writeAll(const QString &path, const QByteArray &content);

// Collects every Qt warning, critical and fatal message while it lives.
class WarningCollector
{
public:
    WarningCollector();
    ~WarningCollector();
    QStringList messages() const;
};

// The rows of every pin-function list, as the form shows them.
extern const QStringList pinFunctionTexts;

// "I3 I15 II38" for a list of holes, for readable comparisons.
QString holesText(const HoleList &holes);
// Parses "I3 I15 II38" back into holes.
HoleList parseHoles(const QString &text);
// The window keeps the folder its file dialogs used last in its settings;
// tests keep theirs apart from the user's and start each time without one.
void isolateSettings();

} // namespace TestSupport

Q_DECLARE_METATYPE(HoleList)
