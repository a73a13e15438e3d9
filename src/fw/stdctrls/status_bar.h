#pragma once

#include <string>
#include <string_view>

#include "fw/classes/alignment.h"
#include "fw/classes/collection.h"
#include "fw/controls/win_control.h"

namespace fw {

class TStatusBar;

enum class TStatusPanelBevel { pbNone, pbLowered, pbRaised };
using enum TStatusPanelBevel;

// One part of a status bar.
class TStatusPanel : public TCollectionItem {
    FW_CLASS(TStatusPanel, TCollectionItem)
public:
    explicit TStatusPanel(TCollection* collection) : TCollectionItem(collection) {}

    const std::string& Text() const { return text_; }
    void SetText(std::string_view text);
    int Width() const { return width_; }
    void SetWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TStatusPanelBevel Bevel() const { return bevel_; }
    void SetBevel(TStatusPanelBevel bevel);

    void Assign(const TPersistent& source) override;
    std::string DisplayName() const override { return text_.empty() ? TCollectionItem::DisplayName() : text_; }

private:
    std::string text_;
    int width_ = 50;
    TAlignment alignment_ = taLeftJustify;
    TStatusPanelBevel bevel_ = pbLowered;
};

// The panels of a status bar; every change reaches the bar's window.
class TStatusPanels : public TCollection {
    FW_CLASS(TStatusPanels, TCollection)
public:
    explicit TStatusPanels(TStatusBar* bar);
    TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
    TStatusPanel* Items(int index) const { return static_cast<TStatusPanel*>(TCollection::Items(index)); }

protected:
    void Update(TCollectionItem* item) override;

private:
    TStatusBar* bar_;
};

// A status bar over the platform's: a row of panels, or one simple text over the whole bar.
class TStatusBar : public TWinControl {
    FW_CLASS(TStatusBar, TWinControl)
public:
    explicit TStatusBar(TComponent* owner);
    ~TStatusBar() override;

    TStatusPanels* Panels() { return panels_; }
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool on);
    const std::string& SimpleText() const { return simpleText_; }
    void SetSimpleText(std::string_view text);
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool on);

    // Hands the panels to the window (the panels collection calls it on every change).
    void UpdatePanels();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Dispatch(TMessage& message) override;

private:
    void UpdateSimpleText();

    TStatusPanels* panels_;
    bool simplePanel_ = false;
    std::string simpleText_;
    bool sizeGrip_ = true;
};

}  // namespace fw
