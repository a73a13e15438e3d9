#pragma once

#include <cstdint>
#include <string>

#include "fw/classes/set.h"
#include "fw/graphics/color.h"
#include "fw/graphics/graphics_object.h"
#include "plat/gdi/gdi_types.h"

namespace fw {

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using enum TFontStyle;
using TFontStyles = TSet<TFontStyle>;
enum class TFontPitch { fpDefault, fpVariable, fpFixed };
using enum TFontPitch;
using TFontCharset = std::uint8_t;
constexpr TFontCharset DEFAULT_CHARSET = plat::DEFAULT_CHARSET;

// A font description with its colour. Height follows the drawing interface (negative: the
// character height in pixels); Size is in points at the screen's 96 pixels per inch.
// The handle is made on first use and remade after a change of anything but the colour.
class TFont : public TGraphicsObject {
    FW_CLASS(TFont, TGraphicsObject)
public:
    static constexpr int kPixelsPerInch = 96;

    TFont();

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    int Height() const { return height_; }
    void SetHeight(int height);
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    TFontCharset Charset() const { return charset_; }
    void SetCharset(TFontCharset charset);
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch pitch);
    int PixelsPerInch() const { return kPixelsPerInch; }
    // The angle of the text's base line in tenths of a degree, counter-clockwise (escapement).
    int Orientation() const { return orientation_; }
    void SetOrientation(int tenthsOfDegrees);

    plat::HFONT Handle();
    // The handle together with a share in it, for whoever selects it and may outlive a change.
    SharedGdiObject SharedHandle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    // Takes on the look of an existing font; the caller keeps (and deletes) its handle.
    void SetHandle(plat::HFONT font);

    // Takes another font's values (with one change notice); other classes raise base::Error.
    void Assign(const TPersistent& source) override;
    bool SameAs(const TFont& other) const;
    plat::LOGFONT LogFont() const;

private:
    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    TColor color_ = clWindowText;
    TFontStyles style_;
    TFontCharset charset_ = DEFAULT_CHARSET;
    TFontPitch pitch_ = fpDefault;
    int orientation_ = 0;
    SharedGdiObject handle_;

    void lookChanged();
};

}  // namespace fw
