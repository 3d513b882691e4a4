#pragma once
// Placeholder until the window is built: caption, designed size and "Schließen".

#include "app/Windows.h"

namespace quarvel {

class TfrmAuswertung : public QuarvelDialog {
    Q_OBJECT
  public:
    TfrmAuswertung(AppState& state, Windows& windows, QWidget* parent);

  protected:
    void done(int result) override;
};

} // namespace quarvel
