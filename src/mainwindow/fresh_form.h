#pragma once

#include <memory>
#include <utility>
#include <vector>

class Lochkartor;
class QWidget;

// The form as the program starts: one window per process, built on first
// use and never edited, from which every reset copies. Building a window
// takes milliseconds, copying from one a fraction of that.
//
// The windows that reset themselves share it; it goes with the last of
// them, and a change of language drops it, so the next reset copies the
// texts a window built in the new language shows.
class FreshForm;

// What one window keeps between its resets: the shared fresh window and its
// own form widgets paired with that window's, by name.
struct FreshFormLink
{
    FreshFormLink();
    ~FreshFormLink();

    // The fresh window, built if nobody has one now.
    const Lochkartor &freshWindow();
    // (target, source) for every named form widget; paired again whenever
    // the fresh window was built anew.
    const std::vector<std::pair<QWidget *, const QWidget *>> &widgetPairs(Lochkartor &target);

private:
    std::shared_ptr<FreshForm> m_form;
    int m_pairedWith = -1; // the fresh window's generation
    std::vector<std::pair<QWidget *, const QWidget *>> m_pairs;
};
