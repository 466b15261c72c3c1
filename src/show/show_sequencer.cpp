#include "show/show_sequencer.h"

#include "forms/caption_label_controls.h"
#include "package/xscr.h"
#include "raster/saturating.h"
#include "music/shuffle_indexes.h"
#include "show/item_placement.h"
#include "show/item_timing.h"

namespace saverkit {

ShowSequencer::ShowSequencer(const ShowLayout& layout, ShowPackage& package, PictureStage& stage,
                             ShowWindowServices& window, RandomSource& random, ComponentOwner& windowComponents,
                             TextMeasurer& measurer, ShowFlags& flags, std::unique_ptr<ShowMover> mover)
    : layout_(layout),
      package_(package),
      stage_(stage),
      window_(window),
      random_(random),
      windowComponents_(windowComponents),
      measurer_(measurer),
      flags_(flags),
      mover_(std::move(mover)) {}

ShowSequencer::~ShowSequencer() {
  FreeOverlays();
  FreeMovieHost();
}

void ShowSequencer::BuildShowOrder() {
  order_.clear();
  showPosition_ = 0;
  const int32_t itemCount = package_.ItemCount();
  for (int32_t i = 0; i < itemCount; ++i) {
    if (package_.GetItem(i).Overlay == 0) order_.push_back(i);
  }
  showCount_ = int32_t(order_.size());
  if (showCount_ <= 0) return;
  if (layout_.randomOrder) ShuffleIndexes(order_.data(), showCount_, random_);
  currentItem_ = package_.GetItem(order_[0]);
}

void ShowSequencer::Advance(bool forward) {
  if (flags_.advancing) return;
  flags_.advancing = true;
  KillItemTimer();
  if (showCount_ <= 0) {
    flags_.advancing = false;
    return;
  }

  if (MayReplaceCurrentItem()) {
    if (mover_) mover_->Stop();
    ShowItem();
    MovePosition(forward);
    window_.ProcessPendingMessages();
    if (flags_.ending) {
      StopTransition();
    } else {
      StartItemTimer(ItemDisplayTimeMs(currentItem_, layout_.defaultSeconds));
    }
  } else {
    // A movie still playing is looked at again every second until its last frame.
    window_.ProcessPendingMessages();
    if (flags_.ending) {
      StopTransition();
    } else {
      StartItemTimer(kMovieRecheckMs);
    }
  }
  // A show that is ending keeps its mover stopped: it would only start timer 303 again.
  if (mover_ && !flags_.ending) mover_->Start();
  flags_.advancing = false;
}

bool ShowSequencer::MayReplaceCurrentItem() {
  if (!movie_ || currentItem_.Seconds < 0) return true;
  const int32_t totalFrames = movie_->TotalFrames();
  if (totalFrames <= 1) return true;
  return movie_->FrameNum() >= totalFrames - 1 || !movie_->Playing();
}

void ShowSequencer::MovePosition(bool forward) {
  if (forward) {
    ++showPosition_;
  } else {
    showPosition_ = showPosition_ == 0 ? showCount_ - 1 : showPosition_ - 1;
  }
  if (showPosition_ >= showCount_) {
    if (layout_.randomOrder) ShuffleIndexes(order_.data(), showCount_, random_);
    showPosition_ = 0;
  }
}

Rect ShowSequencer::InWindow(int32_t x, int32_t y, ItemSize size) const {
  return PlacedRect(ClampToI32(int64_t(x) + layout_.areaLeft), ClampToI32(int64_t(y) + layout_.areaTop), size.width,
                    size.height);
}

void ShowSequencer::ShowItem() {
  previousItem_ = currentItem_;
  const int32_t index = IndexAtShowPosition();
  if (index < 0) return;
  currentItem_ = package_.GetItem(index);
  const ItemRecord& item = currentItem_;

  ItemPlace place = PlaceItem(item);
  Bitmap picture;
  const bool loaded = item.Kind == kKindPicture && LoadItemPicture(index, item, place.size, picture);
  Rect area = InWindow(place.x, place.y, place.size);
  if (!TakeOutPreviousItem(area, place.size)) return;
  PutCaptions(index);
  // Over the place the movie had, the picture comes in from the window's own image.
  if (previousItem_.Kind == kKindMovie && item.Kind == kKindPicture) CoverWithWindowImage(area, Reveal::kShow);
  FreeMovieHost();
  if (item.Kind == kKindMovie) {
    StartMovie(index, area);
  } else if (item.Kind == kKindPicture) {
    // A picture that cannot be decoded comes in as a blank of the item's size.
    if (!loaded) picture = Bitmap(place.size.width, place.size.height, layout_.backgroundColour);
    BringInPicture(item, area, place.size, std::move(picture));
  }
  AimMover(item, place.size);
  window_.TrimWorkingSet();
}

int32_t ShowSequencer::IndexAtShowPosition() const {
  if (showPosition_ < 0 || showPosition_ >= int32_t(order_.size())) return -1;
  return order_[size_t(showPosition_)];
}

ShowSequencer::ItemPlace ShowSequencer::PlaceItem(const ItemRecord& item) {
  ItemPlace place;
  place.size = {layout_.screenWidth / 2, layout_.screenHeight / 2};
  place.x = place.size.width / 2;
  place.y = place.size.height / 2;
  if (item.Width > 0 && item.Height > 0) {
    place.size = {ScaledPixels(item.Width, layout_.scale), ScaledPixels(item.Height, layout_.scale)};
  }

  if (mover_) {
    // The mover carries on from where the previous item drifted to.
    if (previousItem_.Kind == kKindPicture) {
      place.x = stage_.Bounds().left - layout_.areaLeft;
      place.y = stage_.Bounds().top - layout_.areaTop;
    } else if (previousItem_.Kind == kKindMovie && movie_) {
      place.x = movie_->Bounds().left - layout_.areaLeft;
      place.y = movie_->Bounds().top - layout_.areaTop;
    }
    place.size = FitIntoHalfArea(place.size, layout_.areaWidth, layout_.areaHeight);
  } else if (item.FixedPosition) {
    place.x = ScaledPixels(item.X, layout_.scale);
    place.y = ScaledPixels(item.Y, layout_.scale);
  } else {
    place.x = RandomOffset(int64_t(layout_.areaWidth) - place.size.width, random_);
    place.y = RandomOffset(int64_t(layout_.areaHeight) - place.size.height, random_);
  }
  return place;
}

bool ShowSequencer::TakeOutPreviousItem(Rect& area, ItemSize size) {
  if (firstShow_) {
    BeginFirstShow(area, size);
    return true;
  }
  // A movie leaves with its host later on; nothing leaves before the first item.
  if (previousItem_.Kind != kKindPicture) return true;
  if (previousItem_.OutEffect < -1) {
    // No way out: the picture stays painted on the background, building a collage.
    if (stage_.Bounds() != area) {
      if (!mover_) stage_.LeavePictureOnBackground();
      CoverWithWindowImage(area, Reveal::kKeep);
    }
  } else {
    // The picture turns into the background under it.
    stage_.TakeBackgroundUnderPicture();
    stage_.Execute(ChooseEffect(previousItem_.OutEffect, random_), int16_t(previousItem_.OutStep),
                   int16_t(previousItem_.OutDelay));
    if (!ContinuesAfterPendingMessages()) return false;
  }
  return ContinuesAfterPendingMessages();
}

void ShowSequencer::BeginFirstShow(Rect& area, ItemSize size) {
  if (package_.OverlayCount() > 0) CreateOverlays();
  if (mover_) {
    const int32_t y = RandomOffset(int64_t(layout_.areaHeight) - size.height, random_);
    const int32_t x = RandomOffset(int64_t(layout_.areaWidth) - size.width, random_);
    area = InWindow(x, y, size);
    mover_->SetPos(area.left, area.top);
  }
  CoverWithWindowImage(area, Reveal::kShow);
  stage_.SetVisible(false);
  firstShow_ = false;
}

void ShowSequencer::CoverWithWindowImage(const Rect& area, Reveal reveal) {
  stage_.GrabArea(area);
  stage_.SetBounds(area);
  if (reveal == Reveal::kShow) stage_.SetVisible(true);
  stage_.ShowAtOnce();
}

bool ShowSequencer::ContinuesAfterPendingMessages() {
  window_.ProcessPendingMessages();
  return !flags_.ending;
}

void ShowSequencer::StartMovie(int32_t index, const Rect& area) {
  std::string path;
  if (package_.ExtractMovie(index, path)) movie_ = window_.CreateMovieHost(area);
  if (movie_) {
    movie_->ConnectInput(layout_.ignoreMouseMove == 0);
    movie_->SetMovie(path);
    movie_->SetVisible(true);
    movie_->Play();
  }
  stage_.SetVisible(false);
}

void ShowSequencer::BringInPicture(const ItemRecord& item, const Rect& area, ItemSize size, Bitmap picture) {
  if (stage_.Bounds() != area) CoverWithWindowImage(area, Reveal::kKeep);
  if (!stage_.Visible()) stage_.SetVisible(true);
  stage_.SetPicture(std::move(picture), size.width, size.height);
  // The new picture comes in over what the control shows: the covered area, or the previous
  // picture when it stayed in place.
  if (item.Effect < -1) {
    stage_.ShowAtOnce();
  } else {
    stage_.Execute(ChooseEffect(item.Effect, random_), int16_t(item.Step), int16_t(item.Delay));
  }
}

void ShowSequencer::AimMover(const ItemRecord& item, ItemSize size) {
  if (!mover_) return;
  if (item.Kind == kKindPicture) {
    mover_->SetTarget(ShowMover::Target::kPicture, nullptr);
  } else if (item.Kind == kKindMovie && movie_) {
    mover_->SetTarget(ShowMover::Target::kMovie, movie_.get());
  } else {
    mover_->SetTarget(ShowMover::Target::kNone, nullptr);
  }
  mover_->SetSize(size.width, size.height);
}

bool ShowSequencer::LoadItemPicture(int32_t index, const ItemRecord& item, ItemSize& size, Bitmap& picture) {
  // The position was chosen for the record's size; a picture without one brings its own.
  const bool ownSize = item.Width < 1 || item.Height < 1;
  bool loaded = false;
  if (layout_.preview) {
    // The preview window is small: the eighth is enough, and the size is reckoned from it.
    loaded = package_.LoadPicture(index, XSCR::kEighthScale, picture);
    if (loaded && ownSize) {
      const double factor = kPreviewSizeFactor * layout_.scale;
      size = {ScaledPixels(picture.Width(), factor), ScaledPixels(picture.Height(), factor)};
    }
  } else {
    // The shown size comes from the record or the picture's full size, never from the scale it
    // is decoded at; the decode only needs to cover it.
    ItemSize shown = size;
    int fullWidth = 0, fullHeight = 0;
    if (ownSize && package_.PictureSize(index, fullWidth, fullHeight)) {
      shown = {ScaledPixels(fullWidth, layout_.scale), ScaledPixels(fullHeight, layout_.scale)};
    }
    shown = LimitItemPixels(shown);
    loaded = package_.LoadPictureToCover(index, shown.width, shown.height, picture);
    if (loaded) size = shown;
  }
  size = LimitItemPixels(size);
  return loaded;
}

void ShowSequencer::PutCaptions(int32_t index) {
  const std::vector<CaptionLabel> captions = package_.Captions(index);
  RemoveCaptionLabels(windowComponents_, int(captions.size()));
  const double scale = layout_.screenHeight > 0 ? double(layout_.areaHeight) / layout_.screenHeight : 1.0;
  ShowCaptionLabels(windowComponents_, captions, scale, measurer_);
  window_.CaptionsChanged();
}

void ShowSequencer::CreateOverlays() {
  FreeOverlays();
  overlays_ = std::make_unique<std::vector<Overlay>>();
  const int32_t itemCount = package_.ItemCount();
  for (int32_t i = 0; i < itemCount; ++i) {
    const ItemRecord item = package_.GetItem(i);
    if (item.Overlay == 0) continue;
    // Overlays keep the record's full-screen position and size, in preview too.
    const Rect bounds = InWindow(item.X, item.Y, ItemSize{item.Width, item.Height});
    if (item.Kind == kKindPicture) {
      // Decoded no larger than its rectangle needs: the overlay stretches it there once.
      Bitmap picture;
      package_.LoadPictureToCover(i, bounds.Width(), bounds.Height(), picture);
      overlays_->push_back({'I', window_.CreateOverlayImage(std::move(picture), bounds), nullptr});
    } else if (item.Kind == kKindMovie) {
      std::unique_ptr<ShowMovie> movie = window_.CreateMovieHost(bounds);
      if (!movie) continue;
      std::string path;
      if (package_.ExtractMovie(i, path) && !path.empty()) {
        movie->SetMovie(path);
        movie->SetLoop(true);
        movie->ConnectInput(layout_.ignoreMouseMove == 0);
        movie->Play();
        movie->SetVisible(true);
      }
      overlays_->push_back({'F', nullptr, std::move(movie)});
    }
  }
}

void ShowSequencer::FreeOverlays() {
  if (!overlays_) return;
  while (!overlays_->empty()) overlays_->pop_back();
  overlays_.reset();
}

void ShowSequencer::FreeMovieHost() {
  if (!movie_) return;
  movie_->SetVisible(false);
  movie_.reset();
}

void ShowSequencer::StopShow() {
  if (mover_) mover_->Stop();
  StopTransition();
  KillItemTimer();
}

void ShowSequencer::StopTransition() {
  if (stage_.TransitionRunning()) stage_.StopTransition();
}

void ShowSequencer::MoverTick() {
  if (mover_) mover_->Tick();
}

void ShowSequencer::FreeMover() {
  if (!mover_) return;
  mover_->Stop();
  mover_.reset();
}

void ShowSequencer::KillItemTimer() {
  if (!itemTimerRunning_) return;
  window_.KillItemTimer();
  itemTimerRunning_ = false;
}

void ShowSequencer::StartItemTimer(uint32_t milliseconds) {
  window_.StartItemTimer(milliseconds);
  itemTimerRunning_ = true;
}

}  // namespace saverkit
