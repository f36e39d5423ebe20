#ifndef CRC_H
#define CRC_H

unsigned short crc16(const unsigned char *data, unsigned long length);

#endif
