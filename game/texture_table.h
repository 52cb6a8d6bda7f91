// How a model file's texture names become texture slots.
//
// The model loader does not know about OpenGL: it asks this interface to load
// a named picture and gets back a slot index. The game backs it with the
// window's texture table; headless code backs it with NameTextureTable, a
// plain list of names.
#pragma once

#include <string>
#include <vector>

class TextureTable {
 public:
  virtual ~TextureTable() = default;
  // Loads the named picture into a new slot; returns the slot, or -1.
  virtual int Texture_Load(const std::string& name) = 0;
};

class NameTextureTable : public TextureTable {
 public:
  int Texture_Load(const std::string& name) override {
    names.push_back(name);
    return static_cast<int>(names.size()) - 1;
  }
  std::vector<std::string> names;
};
