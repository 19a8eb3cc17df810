#pragma once

#include <map>
#include <optional>
#include <string>

#include "framework/description/DescriptionReader.h"

namespace framework::sample {

// A description that uses every kind of property, in the shape of the tool's main window.
inline constexpr const char* SampleDescription = R"(object Form1: TSampleForm
  Caption = 'Bezier'#13#10'It''s here'
  Color = clWhite
  OnCreate = FormCreate
  object Panel: TSampleControl
    Left = 280
    object Button: TSampleControl
      Caption = 'Gambar Kurva'
      FontStyle = [fsBold, fsItalic]
      Items.Strings = (
        'one'
        'two')
      sStyle.SkinSection = 'TsSpeedButton'
      sStyle.Painting.Color = clBtnFace
      sStyle.GroupIndex = 3
      FocusControl = Edit
      OnClick = ButtonClick
      OnKeyPress = ControlKeyPress
    end
  end
  object Edit: TSampleControl
    Color = -16777211
  end
  object Grid: TSampleGrid
    UIStyle = usDeepBlue
    BGColor = 15263976
    FixedColor = clSkyBlue
    OnSelectCell = GridSelectCell
  end
  object Manager: TSampleManager
    InternalSkins = <
      item
        Name = 'Velora'
        Sections = <
          item
            SectionName = 'TsEdit'
            PaintingColor = clWhite
            PaintingBevel = sbLowered
            Control = Edit
          end
          item
            SectionName = 'Form'
          end>
        Images = <
          item
            SectionName = 'TsGauge'
            Data = {file 'gauge.bmp'}
          end
          item
            SectionName = 'Inline'
            Data = {
              0102FF}
          end>
      end>
    SkinName = 'Velora'
  end
end
)";

inline TResourceResolver SampleResources(std::map<std::string, TBytes> resources) {
  return [resources = std::move(resources)](const std::string& name) -> std::optional<TBytes> {
    const auto it = resources.find(name);
    if (it == resources.end()) return std::nullopt;
    return it->second;
  };
}

}  // namespace framework::sample
