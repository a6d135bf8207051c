#include "Draw.h"

namespace artgen {

Pchip::Pchip(std::vector<double> xs, std::vector<double> ys) : x_(std::move(xs)), y_(std::move(ys)) {
  const size_t n = x_.size();
  std::vector<double> d(n - 1);
  for (size_t i = 0; i + 1 < n; ++i) d[i] = (y_[i + 1] - y_[i]) / (x_[i + 1] - x_[i]);
  m_.assign(n, 0);
  m_[0] = d[0];
  m_[n - 1] = d[n - 2];
  for (size_t i = 1; i + 1 < n; ++i) {
    if (d[i - 1] * d[i] <= 0) continue;
    const double w1 = 2 * (x_[i + 1] - x_[i]) + (x_[i] - x_[i - 1]);
    const double w2 = (x_[i + 1] - x_[i]) + 2 * (x_[i] - x_[i - 1]);
    m_[i] = (w1 + w2) / (w1 / d[i - 1] + w2 / d[i]);
  }
}

double Pchip::operator()(double x) const {
  size_t i = 0;
  while (i + 2 < x_.size() && x > x_[i + 1]) ++i;
  const double h = x_[i + 1] - x_[i], t = (x - x_[i]) / h;
  const double h00 = (1 + 2 * t) * (1 - t) * (1 - t), h10 = t * (1 - t) * (1 - t);
  const double h01 = t * t * (3 - 2 * t), h11 = t * t * (t - 1);
  return h00 * y_[i] + h10 * h * m_[i] + h01 * y_[i + 1] + h11 * h * m_[i + 1];
}

}  // namespace artgen
