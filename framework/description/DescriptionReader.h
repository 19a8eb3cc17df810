#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "framework/classes/ClassInfo.h"

namespace framework {

class TClassRegistry;

// The bytes of a resource that a description names in "{file 'name'}", or nothing when
// there is no such resource.
using TResourceResolver = std::function<std::optional<TBytes>(const std::string& name)>;

// Reads a stored description into root, whose class the description's outer object must
// name:
//
//   object Form1: TForm1
//     Caption = 'Bezier'
//     Color = clBtnFace
//     OnCreate = FormCreate
//     object Bar: TsGauge
//       sStyle.Painting.Color = clLime
//       sStyle.Background.Image.Image.Data = {file 'gauge.jpg'}
//     end
//   end
//
// Every nested object is created with root as owner and the enclosing object as parent
// component, in stored order; its properties are applied in stored order through the
// setters; event handler names bind to root's published methods; component references are
// resolved by name after the whole description is read; then every component read,
// root first, runs Loaded(). A mistake raises EReadError naming the line and the property;
// the components created so far are then freed again.
void ReadDescription(std::string_view text, TComponent& root, const TClassRegistry& classes,
                     const TResourceResolver& resources = {});

}  // namespace framework
