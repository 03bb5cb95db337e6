#include "session.h"

#include <QDir>

Session::Session(QObject *parent)
    : QObject(parent)
    , m_dataFolder(QDir::currentPath())
{
}
