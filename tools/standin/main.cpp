// web-standin FOLDER [PORT]: serves the operator's archive pages, the proxy list and the maker's
// services and files from FOLDER on 127.0.0.1 (see web_standin.h for the files), until
// interrupted. For example:
//
//   build/web-standin demo-site 8750 &
//   kavrin-cli --data-dir data draws download --url http://127.0.0.1:8750
//
// tools/standin/demo-maker holds a small catalog of systems and scenarios and an update
// description; point the NETWORK section of Kavrin_5x50.ini at it:
//
//   build/web-standin tools/standin/demo-maker 8751 &
//   [NETWORK] SystemsSite=http://127.0.0.1:8751  ScriptsSite=http://127.0.0.1:8751
//             UpdateSource=http://127.0.0.1:8751/files/autoupdates/Vexa_AU.cfg
#include <csignal>
#include <iostream>
#include <string>

#include "standin/web_standin.h"

namespace {
kavrin::standin::WebStandIn* running = nullptr;
void OnSignal(int) {
  if (running) running->Stop();
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: web-standin FOLDER [PORT]\n";
    return 2;
  }
  try {
    kavrin::standin::WebStandIn server(argv[1], argc == 3 ? std::stoi(argv[2]) : 0);
    running = &server;
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    std::cout << "serving " << argv[1] << " at " << server.Address() << std::endl;
    server.Wait();
    running = nullptr;
  } catch (const std::exception& e) {
    std::cerr << "error: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
