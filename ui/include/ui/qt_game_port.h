// The game's outside world on Qt: the level and status labels, the system
// tick count, the seeded random source, the desktop's alert and the locale's
// decimal separator.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "puzzle/game.h"
#include "puzzle/system.h"
#include "ui/tlabel.h"

namespace veldamo::ui {

class QtGamePort final : public GamePort {
 public:
  QtGamePort(TLabel& level_label, TLabel& status_label);

  void Seed(std::uint64_t seed) { random_.Seed(seed); }

  void SetLevelText(std::string_view text) override;
  void SetStatusText(std::string_view text) override;
  std::uint32_t TickCount() override;
  std::int32_t Random(std::int32_t n) override;
  void Beep() override;
  std::string DecimalSeparator() override;

 private:
  TLabel& level_label_;
  TLabel& status_label_;
  Random32 random_;
};

}  // namespace veldamo::ui
