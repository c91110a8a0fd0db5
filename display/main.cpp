#include "display/main_flow.hpp"

int main(int argc, char** argv) { return trot::runTrotspeak(argc, argv); }
