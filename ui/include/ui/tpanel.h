// A panel: a rectangle in the button-face colour with up to two 1-pixel
// bevels and a caption centred under its children.
#pragma once

#include <QString>
#include <QWidget>

#include "ui/tcomponent.h"

namespace veldamo::ui {

enum class TPanelBevel { bvNone, bvLowered, bvRaised };

class TPanel : public QWidget, public TComponent {
 public:
  explicit TPanel(QWidget* parent);

  void SetCaption(const QString& caption);
  const QString& Caption() const { return caption_; }

  void SetBevelOuter(TPanelBevel bevel);
  void SetBevelInner(TPanelBevel bevel);
  TPanelBevel BevelOuter() const { return outer_; }
  TPanelBevel BevelInner() const { return inner_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  TPanelBevel outer_ = TPanelBevel::bvRaised;
  TPanelBevel inner_ = TPanelBevel::bvNone;
};

}  // namespace veldamo::ui
