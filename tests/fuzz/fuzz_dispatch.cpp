// The command line as Windows delivers it: splitting off the program, the
// executable name and folder, the switch and the mode it chooses.
#include "FuzzInput.h"
#include "app/StartMode.h"
#include "base/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarnix;
  const std::wstring line = fuzz::Utf16Text(data, size);
  const std::wstring arguments = ArgumentsFromCommandLine(line);
  if (arguments.size() > line.size()) fuzz::Fail("arguments longer than the line");
  const std::wstring name = ExeNameFromPath(line), folder = FolderOfPath(line);
  if (FormSwitch(arguments).size() > 2) fuzz::Fail("a switch of more than two characters");
  const StartMode mode = ChooseMode(name, arguments);
  const bool saverName = FoldCase(name) == FoldCase(kSaverName);
  if (!saverName && mode != StartMode::Setup && mode != StartMode::InstallFiles) fuzz::Fail("another name chose the saver");
  if (saverName && (mode == StartMode::Setup || mode == StartMode::InstallFiles))
    fuzz::Fail("the saver's name in another letter case chose the setup");
  (void)folder;
  return 0;
}
