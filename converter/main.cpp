#include "converter/dispatch.hpp"

int main(int argc, char** argv) { return trot::runTrotconv(argc, argv); }
