#pragma once
// The toolkit's own texts (the Yes and No of the question boxes, the edit
// menu of the text boxes, the file dialog) in the interface language, from
// the translations Qt ships.
#include "texts/language.h"

#include <QTranslator>

namespace ktl {

class ToolkitTranslation {
 public:
  ~ToolkitTranslation();
  // French and Italian load Qt's translation for that language; English
  // and an unknown language leave Qt's own English.
  void use(Language language);

 private:
  QTranslator translator_;
  bool installed_ = false;
};

}  // namespace ktl
