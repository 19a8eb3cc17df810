#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/classes/Component.h"
#include "framework/graphics/Bitmap.h"
#include "platform/graphics/Color.h"
#include "styled/suiThemeFile.h"

namespace suiFileTheme {

// Holds the last theme file read successfully.
class TsuiFileThemeMgr {
 public:
  // False when no file exists at path. A file that exists but cannot be read or parsed
  // raises, and the reader read before stays.
  bool LoadFromFile(const std::string& path);
  const suiThemeFile::TsuiThemeFileReader* Reader() const { return reader_.get(); }

 private:
  std::unique_ptr<suiThemeFile::TsuiThemeFileReader> reader_;
};

// A UI style kept outside the program: the 42 theme entries of a theme file, which styled
// controls whose UIStyle is FromThemeFile take when their FileTheme refers to this component.
class TsuiFileTheme : public framework::TComponent {
 public:
  explicit TsuiFileTheme(framework::TComponent* owner);
  ~TsuiFileTheme() override;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  const std::string& ThemeFile() const { return themeFile_; }
  // Reads the file at value, or else the file of that name in the program's folder. When
  // neither exists nothing changes; a file that is damaged raises EReadError (EFOpenError
  // when it cannot be read) and the theme in force stays. A new theme restyles every styled
  // control of the owning form whose FileTheme refers to this component.
  void SetThemeFile(const std::string& value);
  // Whether the last assignment of ThemeFile read a file.
  bool ThemeLoaded() const { return loaded_; }

  // The entries by number (1 to 42), read under their keys. Colours and integers are -1
  // for a missing key, booleans false; before any file has been read, 0 and false.
  platform::TColor GetColor(int index) const;
  int GetInt(int index) const;
  bool GetBool(int index) const;
  // Loads the stored bitmap into target; without a file or a stored bitmap of that key the
  // target stays unchanged.
  void GetBitmap(int index, framework::TBitmap& target) const;
  // Cell number piece (from 1) of the stored strip cut into count cells; count 0 gives it
  // whole.
  void GetBitmapPiece(int index, framework::TBitmap& target, int piece, int count) const;

 private:
  void RestyleControls();
  // The stored integer of an entry's key, or fallback for a missing key.
  std::int32_t Integer(int index, std::int32_t fallback) const;

  std::string themeFile_;
  std::unique_ptr<TsuiFileThemeMgr> manager_;
  bool loaded_ = false;
};

}  // namespace suiFileTheme
