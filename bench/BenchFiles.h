// The files the benchmark opens: 24-bit BMP pictures and maximal tovels
// naming them, written under a scratch folder that goes when the run ends.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with
// everything in it when the object goes.
class ScratchFolder {
public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& Path() const { return m_path; }

private:
  std::filesystem::path m_path;
};

// One set of 20 pictures of one size and the maximal tovel that shows them.
struct PictureSet {
  std::filesystem::path Tovel;
  std::vector<std::filesystem::path> Pictures;
  int Width = 0;
  int Height = 0;
};

// Writes 20 pictures of width x height, 24 bits per pixel, each with its own
// pattern, into tovels/<folder>, and the largest tovel the editor allows
// into tovels/<folder>.tovel: 20 picture items each showing one of the
// pictures (and the next one as its second state), 5 filled readings and 5
// labels. The items keep the size of a 64 x 48 picture; larger pictures
// reach beyond them, as they do in a tovel whose pictures were replaced.
PictureSet WritePictureSet(const std::filesystem::path& tovels, const std::string& folder,
                           int width, int height);

// Writes a tovel with no items and no pictures as tovels/<name>.tovel.
std::filesystem::path WriteEmptyTovel(const std::filesystem::path& tovels, const std::string& name);

// The floor for opening: reading each file whole into memory; the time
// for all of them in milliseconds.
double ReadFiles(const std::vector<std::filesystem::path>& files);

// Removes the set's pictures and tovel.
void RemovePictureSet(const PictureSet& set);
