# Windows build
