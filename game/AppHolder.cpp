#include "game/AppHolder.h"

#include "game/TriangleGame.h"

#include <new>

AppHolder::AppHolder() : game(new (std::nothrow) TriangleGame) {}

AppHolder::~AppHolder()
{
    delete game;
}
