// The show's sequence: which item comes next, how long it stays, where it goes, how a picture
// comes in and leaves through the picture control, movies in their hosts, overlays and captions.
// Driven by the item timer and the navigation keys of the show window.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "base/random_source.h"
#include "forms/caption_label_controls.h"
#include "forms/component.h"
#include "package/records.h"
#include "show/item_placement.h"
#include "show/show_seams.h"

namespace saverkit {

// The geometry and options the sequence runs with, fixed when the show window is made.
struct ShowLayout {
  bool preview = false;
  int32_t areaLeft = 0;  // the show area's place in the window (ShowAreaInWindow)
  int32_t areaTop = 0;
  int32_t areaWidth = 0;  // the show area: the primary screen, or the preview host's client area
  int32_t areaHeight = 0;
  int32_t screenWidth = 0;  // the primary screen
  int32_t screenHeight = 0;
  double scale = 1.0;  // show area width / the package's design width
  bool randomOrder = false;
  int32_t defaultSeconds = 0;
  uint8_t ignoreMouseMove = 0;
  Rgb backgroundColour;

  Rect Area() const { return Rect{areaLeft, areaTop, areaLeft + areaWidth, areaTop + areaHeight}; }
};

inline constexpr int kPreviewSizeFactor = 8;
inline constexpr uint32_t kMovieRecheckMs = 1000;

class ShowSequencer {
 public:
  // `mover` is given when the package asks for motion; the sequencer owns it.
  ShowSequencer(const ShowLayout& layout, ShowPackage& package, PictureStage& stage,
                ShowWindowServices& window, RandomSource& random, ComponentOwner& windowComponents,
                TextMeasurer& measurer, ShowFlags& flags, std::unique_ptr<ShowMover> mover);
  ~ShowSequencer();
  ShowSequencer(const ShowSequencer&) = delete;
  ShowSequencer& operator=(const ShowSequencer&) = delete;

  void BuildShowOrder();
  // One step: shows the item at the current position, then moves the position forward or back.
  void Advance(bool forward);
  void ShowItem();
  void CreateOverlays();
  void FreeOverlays();
  void FreeMovieHost();
  // Stops the mover, a running transition and the item timer.
  void StopShow();
  void StopTransition();
  // One step of the mover, when there is one (timer 303).
  void MoverTick();
  void FreeMover();

  int32_t ShowCount() const { return showCount_; }
  int32_t ShowPosition() const { return showPosition_; }
  const std::vector<int32_t>& ShowOrder() const { return order_; }
  const ItemRecord& CurrentItem() const { return currentItem_; }
  bool FirstShow() const { return firstShow_; }
  bool ItemTimerRunning() const { return itemTimerRunning_; }
  bool HasMover() const { return mover_ != nullptr; }
  ShowMovie* MovieHost() const { return movie_.get(); }
  size_t OverlayCount() const { return overlays_ ? overlays_->size() : 0; }

 private:
  struct Overlay {
    char tag;  // 'I' image, 'F' movie
    std::unique_ptr<ShowOverlay> image;
    std::unique_ptr<ShowMovie> movie;
  };

  void KillItemTimer();
  void StartItemTimer(uint32_t milliseconds);
  bool MayReplaceCurrentItem();
  void MovePosition(bool forward);
  void PresentPictureAt(const Rect& area);
  // Decodes picture item `index` for the show and sets `size` to the size it is shown at; on
  // failure `size` is the record's, limited like any picture's.
  bool LoadItemPicture(int32_t index, const ItemRecord& item, ItemSize& size, Bitmap& picture);
  // The rectangle of `size` at (x, y) of the show area, in the window's coordinates.
  Rect InWindow(int32_t x, int32_t y, ItemSize size) const;
  void PutCaptions(int32_t index);

  ShowLayout layout_;
  ShowPackage& package_;
  PictureStage& stage_;
  ShowWindowServices& window_;
  RandomSource& random_;
  ComponentOwner& windowComponents_;
  TextMeasurer& measurer_;
  ShowFlags& flags_;
  std::unique_ptr<ShowMover> mover_;

  std::vector<int32_t> order_;
  int32_t showCount_ = 0;
  int32_t showPosition_ = 0;
  ItemRecord currentItem_;
  ItemRecord previousItem_;
  bool firstShow_ = true;
  bool itemTimerRunning_ = false;
  std::unique_ptr<ShowMovie> movie_;
  std::unique_ptr<std::vector<Overlay>> overlays_;
};

}  // namespace saverkit
