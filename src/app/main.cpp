// The VESKARO desktop program.
#include "ui/vskapplication.h"

int main(int argc, char** argv) {
  return vsk::RunDesktopProgram(argc, argv);
}
