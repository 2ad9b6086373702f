// A few functions of the controller link library with answers the binding
// test can check; GetJoyData is missing on purpose.
#include <cstring>

extern "C" {

int OpenPort(const char* address, int port) {
  return std::strcmp(address, "127.0.0.1") == 0 && port == 1234 ? 0 : -1;
}

short GetLinkStatus() { return 7; }

int GetPosDev(int* p1, int* p2, int* p3, int* p4) {
  *p1 = 1;
  *p2 = -2;
  *p3 = 3;
  *p4 = -4;
  return 0;
}

// Weighs each byte with its position, so a swapped or dropped argument shows.
int SetLmtMode(int b1, int b2, int b3, int b4, int b5, int b6, int b7, int b8, int b9, int b10,
               int b11, int b12, int b13, int b14, int b15, int b16) {
  const int b[] = {b1, b2, b3, b4, b5, b6, b7, b8, b9, b10, b11, b12, b13, b14, b15, b16};
  int sum = 0;
  for (int i = 0; i < 16; ++i) sum += b[i] * (i + 1);
  return sum;
}

int Pmove(short axis, int distance, int startSpeed, int acceleration, int speed) {
  return axis * 10000 + distance * 1000 + startSpeed * 100 + acceleration * 10 + speed;
}
}
