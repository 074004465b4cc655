#pragma once

#include <string_view>

#include "ui/class_registry.h"

namespace ui {

class Component;

// Reads a stored layout (UTF-8 text) into root and creates the components it describes:
//
//   object MainForm: TMainForm            the root: its class must be root's class (ClassName)
//     ClientWidth = 656                   Key = Value sets a published property
//     OnCreate = FormCreate               events name handlers of the root (PublishedHandlers)
//     object BgImage: TSkinFMXImage       a component of a registered class, owned by the root, child of
//       Position.X = 8                      the object it is written in; dotted keys reach sub-objects
//       Align = Bottom                    enumerations by name; sets as [a, b]; booleans True / False
//       Hint = 'It''s'#13#10'two lines'   texts in single quotes, with character codes; 'a' + 'b' joins
//       Color = xFF2F2F2F                 colours as x followed by AARRGGBB (or as integers)
//       RefMaterial = OtherMaterial       component references by name, resolved at the end
//       PictureList.Data = {              binary data in hexadecimal, over as many lines as needed
//         0A0B0C}
//     end
//   end
//
// While the layout is read, the root and every new component are in the reading and loading states. After
// the whole text has been read, component references and events are resolved, the reading state ends, and
// Loaded runs on the root and then on every new component in the order they were read.
//
// A malformed layout, an unknown class, an unknown or unsuitable property, a bad value, an unknown component
// or handler name throw LayoutError naming the line. Then every component the reader created is freed and
// the root leaves the reading and loading states (properties already set on the root keep their values).
void ReadLayout(std::string_view text, Component& root, const ClassRegistry& registry = GlobalClassRegistry());

}  // namespace ui
