#include "gui/single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace zam {

namespace {
    QString ServerName() { return QStringLiteral("zam-instance-%1").arg(::getuid()); }
}

bool TSingleInstance::Claim()
{
    QLocalSocket probe;
    probe.connectToServer(ServerName());
    if (probe.waitForConnected(300)) {
        probe.write("raise");
        probe.waitForBytesWritten(300);
        return false;
    }
    // a name left by a crashed instance is taken over
    QLocalServer::removeServer(ServerName());
    server_ = new QLocalServer(this);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = server_->nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            emit Raise();
        }
    });
    server_->listen(ServerName());
    return true;
}

}
