#pragma once

#include "reading_report.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

class QLabel;
class QMainWindow;
class QUndoStack;
class QWidget;

// After a card was read, the fields whose values the card does not give
// (the name, a socket several fit, every value the holes only bound) carry
// a frame and a tooltip ("nicht auf der Karte: …") until the user edits
// them; the status bar says how many are left. Undoing the reading, a load
// or "Neu" takes every mark away.
class UnknownFields : public QObject
{
    Q_OBJECT

public:
    UnknownFields(QMainWindow *window, QUndoStack *history);

    // Marks the window's fields of that name; marks from before go.
    void mark(const std::vector<CardReading::UnknownField> &fields);
    void clear();
    int count() const { return int(m_marks.size()); }
    bool isMarked(const QWidget *field) const;

private:
    struct Mark
    {
        QPointer<QWidget> field;
        QString toolTip;
        QString styleSheet;
        QMetaObject::Connection edited;
    };
    void unmark(QWidget *field);
    void restore(Mark &mark);
    void showCount();
    void historyMoved(int index);

    QMainWindow *m_window;
    QUndoStack *m_history;
    QLabel *m_count;
    int m_readStep = -1; // the history's index right after the reading
    std::vector<Mark> m_marks;
};
