#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

// The program's modeless windows are single instances known by their class: the first
// use loads one, closing unloads (destroys) it, and the next use loads a fresh one.
class Windows
{
public:
    template<class W> static W *load()
    {
        if (W *existing = find<W>()) {
            return existing;
        }
        auto *w = new W();
        add(W::staticMetaObject.className(), w);
        return w;
    }

    template<class W> static W *find()
    {
        return qobject_cast<W *>(lookup(W::staticMetaObject.className()));
    }

    // The windows that are loaded now, in the order they were loaded.
    static QList<QWidget *> loaded();

    // Hides and unloads every loaded window but one.
    static void unloadAllExcept(const QWidget *keep);

    // Called by a window as it unloads, so that the next use loads a fresh one.
    static void forget(const QWidget *w);

private:
    static void add(const char *key, QWidget *w);
    static QWidget *lookup(const char *key);
};
