// The game's short effects, each synthesised from its recipe.
#pragma once

#include "tools/sound/SoundTable.h"
#include "tools/sound/Wave.h"

namespace soundgen {

// The effect of a recipe, levelled to a common peak.
Signal MakeEffect(EffectRecipe recipe);

}  // namespace soundgen
