#include "distribution/distribution_context.h"

#include "environment/ui_text.h"

int ShowDistributionMessage(DistributionContext& context, const UiText& text, unsigned type) {
  return context.view.FrameworkMessageBox(text.For(context.environment.ui_language), type);
}
