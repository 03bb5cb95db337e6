#include "windows.h"

#include <utility>

namespace {
struct Entry
{
    QByteArray key;
    QPointer<QWidget> window;
};

QList<Entry> &registry()
{
    static QList<Entry> entries;
    return entries;
}
} // namespace

void Windows::add(const char *key, QWidget *w)
{
    registry().append({QByteArray(key), w});
}

QWidget *Windows::lookup(const char *key)
{
    for (const Entry &e : std::as_const(registry())) {
        if (e.key == key && e.window) {
            return e.window;
        }
    }
    return nullptr;
}

QList<QWidget *> Windows::loaded()
{
    QList<QWidget *> result;
    for (const Entry &e : std::as_const(registry())) {
        if (e.window) {
            result.append(e.window);
        }
    }
    return result;
}

void Windows::forget(const QWidget *w)
{
    registry().removeIf([w](const Entry &e) { return e.window == w || !e.window; });
}

void Windows::unloadAllExcept(const QWidget *keep)
{
    for (QWidget *w : loaded()) {
        if (w != keep) {
            w->hide();
            w->close();
        }
    }
}
