#!/usr/bin/env bash
# Runs a program that Emscripten built for Node, as CMake's emulator for the web build. Node 20's
# global fetch would make Emscripten 3.1.6's loader fetch its .wasm by URL and fail; without it
# the loader reads the file.
exec node --no-experimental-fetch "$@"
