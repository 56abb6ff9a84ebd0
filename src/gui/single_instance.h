#pragma once

#include <QObject>

class QLocalServer;

namespace zam {

// One running program per user and desktop: a second start asks the first
// one to come to the front and ends.
class TSingleInstance : public QObject {
    Q_OBJECT

public:
    // False when another instance runs (it has been asked to come forward).
    bool Claim();

signals:
    void Raise();

private:
    QLocalServer* server_ = nullptr;
};

}
