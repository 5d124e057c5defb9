#include "ui/window_actions.h"

namespace {

void Nothing() {}

WindowActions Handed = {Nothing, Nothing};

}  // namespace

void HandOverWindowActions(const WindowActions& actions)
{
    Handed = actions;
}

const WindowActions& HandedWindowActions()
{
    return Handed;
}
