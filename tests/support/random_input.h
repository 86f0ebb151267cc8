// What the problem generators draw and write alike: one seeded stream, the chances,
// uniform values and whole numbers drawn from it, and numbers written as an input data
// file takes them.
#pragma once

#include <cstdint>
#include <random>
#include <sstream>
#include <string>

namespace support {

class RandomInput {
 protected:
  explicit RandomInput(std::uint64_t seed) : rng_(seed) {}

  bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
  double Uniform(double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng_); }
  int Int(int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng_); }
  static std::string Fixed(double v, int decimals) {
    std::ostringstream s;
    s.setf(std::ios::fixed);
    s.precision(decimals);
    s << v;
    return s.str();
  }
  static std::string Num(double v) { return Fixed(v, 2); }

 private:
  std::mt19937_64 rng_;
};

}  // namespace support
