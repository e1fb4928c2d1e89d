// Controls whose widget catches up with the program's changes later (edit, rich edit) bring it up
// to date before the widget handles any event: input, painting, resizing.
#pragma once

#include <QObject>
#include <functional>
#include <utility>

namespace winport {

// Runs an action before every event of the objects it watches.
class BeforeEvents : public QObject {
public:
    BeforeEvents(std::function<void()> action, QObject* parent)
        : QObject(parent)
        , m_action(std::move(action))
    {
    }
    bool eventFilter(QObject*, QEvent*) override
    {
        m_action();
        return false;
    }

private:
    std::function<void()> m_action;
};

}
