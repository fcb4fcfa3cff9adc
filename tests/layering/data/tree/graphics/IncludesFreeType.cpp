// Planted twice: FreeType's own header and one of its header macros.
#include <ft2build.h>
#include FT_FREETYPE_H
