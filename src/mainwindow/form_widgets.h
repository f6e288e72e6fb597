#pragma once

#include "form_snapshot.h"

#include <QString>
#include <array>

class Lochkartor;
class QLabel;
class QLineEdit;
class QWidget;

// The form's inputs as widgets, looked up once: taking a snapshot of them,
// putting one back, and how the form names an input and writes its values.
class FormWidgets
{
public:
    explicit FormWidgets(const Lochkartor &window);

    FormSnapshot capture() const;
    // Sets every value through its widget, in the snapshot's input order, so
    // the window's slots run as for a user; pin lines are the window's task.
    void apply(const FormSnapshot &snapshot) const;

    QWidget *input(std::size_t index) const { return m_inputs[index]; }
    QLineEdit *tubeName() const { return m_tubeName; }
    // Which input a widget is, or -1.
    int indexOf(const QWidget *widget) const;

    // The input's label as the form shows it, without colon and unit:
    // "Anodenspannung", "Pin 3".
    QString label(std::size_t index) const;
    QString tubeNameLabel() const;
    // A value as the form shows it: "250 V", "„Pentode“".
    QString valueText(std::size_t index, double value) const;
    QString tubeNameText(const QString &name) const;

private:
    const Lochkartor &m_window;
    QLineEdit *m_tubeName = nullptr;
    std::array<QWidget *, FormSnapshot::InputCount> m_inputs{};
    const QLabel *m_tubeNameLabel = nullptr;
    std::array<const QLabel *, FormSnapshot::InputCount> m_labels{};
};
