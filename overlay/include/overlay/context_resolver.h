// The dispatcher's selection context, worked out from the host's selection the same way the overlay
// resolves what it shows, so that a tap runs the case the overlay offers.
#pragma once

#include "engine/dispatcher.h"

namespace Talvo {

class OverlayContextResolver final : public iContextResolver {
 public:
  bool Resolve(const XmlFunction& function, SelectionContext& context) override;
};

}  // namespace Talvo
