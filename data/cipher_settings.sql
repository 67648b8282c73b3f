-- How the performance database file is encrypted, stated outright instead of left to the
-- defaults of the SQLCipher library, which changed between its versions (version 4 took a
-- larger page, another key derivation and another authentication code): the build writes the
-- file with these settings and the program opens it with the same text, after PRAGMA key, so
-- a library upgrade still opens the file. Versions before 4 know only SHA-1 for both codes and
-- pass over the two algorithm settings; later versions need them.
PRAGMA cipher_page_size = 4096;
-- The passphrase is compiled into the program that ships beside the file, so stretching the key
-- guards only a file copied without its program. 256 rounds add about 0.2 ms to each start (the
-- library's 64,000 took 28-33 ms, most of a keld-cli select) and still make an exhaustive search
-- of the passphrase 256 times dearer than no stretching.
PRAGMA kdf_iter = 256;
PRAGMA cipher_kdf_algorithm = PBKDF2_HMAC_SHA1;
PRAGMA cipher_use_hmac = ON;
PRAGMA cipher_hmac_algorithm = HMAC_SHA1;
