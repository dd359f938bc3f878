#include "tstaticsprite.h"

Tstaticsprite::Tstaticsprite(TSpriteEngine &engine, GameState &game)
    : TImageSpriteEx(engine), game(game)
{
}
