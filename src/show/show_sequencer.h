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
  // Where an item goes in the show area, and its size.
  struct ItemPlace {
    int32_t x = 0;
    int32_t y = 0;
    ItemSize size;
  };
  // Whether covering an area also makes the picture control visible.
  enum class Reveal { kKeep, kShow };

  // The steps of ShowItem, in their order:
  // the item at the show position, or -1 when there is none;
  int32_t IndexAtShowPosition() const;
  // its size (the default half screen or the record's) and place (carried on by the mover, the
  // record's fixed place or a random one);
  ItemPlace PlaceItem(const ItemRecord& item);
  // its picture decoded, with `size` set to the size it is shown at; on failure `size` is the
  // record's, limited like any picture's;
  bool LoadItemPicture(int32_t index, const ItemRecord& item, ItemSize& size, Bitmap& picture);
  // the way out of the previous item: on the first show the control is set up over `area` (which
  // a mover places anew); a picture leaves by its out effect or stays on the background. False
  // when the show ends meanwhile;
  bool TakeOutPreviousItem(Rect& area, ItemSize size);
  void BeginFirstShow(Rect& area, ItemSize size);
  // the captions (PutCaptions), then the movie or the picture comes in;
  void StartMovie(int32_t index, const Rect& area);
  void BringInPicture(const ItemRecord& item, const Rect& area, ItemSize size, Bitmap picture);
  // the mover moves the control of the item now on screen, at its size.
  void AimMover(const ItemRecord& item, ItemSize size);

  // The picture control shows the window's own image of `area` at once, in `area`: it moves there
  // with no visible change, ready for an effect to start from.
  void CoverWithWindowImage(const Rect& area, Reveal reveal);
  // Processes pending messages; false when they ended the show.
  bool ContinuesAfterPendingMessages();
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
