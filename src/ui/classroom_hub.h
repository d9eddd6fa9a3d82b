#pragma once
// The classroom model and the one signal its views listen to. A view
// sends a command and tells the hub what it changed; every view refreshes
// the parts it shows. Made once per session: windows made again for a
// zoom or a language find everything where it was.

#include <QObject>

#include "engine/classroom.h"

class ClassroomHub : public QObject {
    Q_OBJECT
public:
    explicit ClassroomHub(QObject* parent = nullptr) : QObject(parent) {}

    const sim::Classroom& room() const { return room_; }
    // for the commands only
    sim::Classroom& commands() { return room_; }

    // The parts a command changed, to every view; nothing when none.
    void tell(sim::Changes c)
    {
        if (c.any())
            emit changed(c.bits());
    }
    // A command and the news of it in one: `hub.run(&sim::Classroom::reveal)`.
    template <class... A, class... B> sim::Changes run(sim::Changes (sim::Classroom::*command)(A...), B&&... args)
    {
        const sim::Changes c = (room_.*command)(std::forward<B>(args)...);
        tell(c);
        return c;
    }

signals:
    // sim::Changes' bits
    void changed(unsigned parts);

private:
    sim::Classroom room_;
};
