#pragma once

namespace tarvelin
{

// Export and import are offered as a menu entry and as an image button of the game window; the
// two differ in a few points (message icons, order of checks, what happens to the file).
enum class EntryPoint { Menu, Button };

} // namespace tarvelin
