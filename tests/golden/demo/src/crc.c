#include "crc.h"

unsigned short crc16(const unsigned char *data, unsigned long length)
{
    unsigned short crc = 0xFFFF;
    while (length--) {
        crc ^= (unsigned short)(*data++) << 8;
        for (int bit = 0; bit < 8; bit++)
            crc = (crc & 0x8000) ? (unsigned short)((crc << 1) ^ 0x1021) : (unsigned short)(crc << 1);
    }
    return crc;
}
