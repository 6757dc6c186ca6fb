"""Everything the viewer could send inside a network namespace of its own, logged.

A name server on port 53 (UDP and TCP) logs each name it is asked and says it does not exist;
UDP and TCP listeners on the loopback addresses log each datagram and each connection; a packet
socket on lo logs every packet at all, so a send to a port nobody listens on is seen too. Only
the standard library: the tests run on a machine without extra Python packages. Multicast
(mDNS, SSDP) reaches the packet socket where the namespace routes it through lo; no group is
joined, as joining sends reports of its own.

Usage: net_listeners.py LOG READY_FILE PORT...
The ready file appears once every socket is bound. SIGTERM reads what is still queued, then ends.
"""
import ipaddress
import os
import selectors
import signal
import socket
import struct
import sys
import time

ETH_P_ALL = 0x0003
PACKET_OUTGOING = 4


class Log:
    def __init__(self, path):
        self.file = open(path, "a", buffering=1, encoding="utf-8")

    def write(self, kind, text):
        self.file.write(f"{time.monotonic():.3f} {kind} {text}\n")


def query_name(message):
    """The first question's name of a DNS message, or a note that it has none."""
    try:
        count = struct.unpack("!H", message[4:6])[0]
        if count == 0:
            return "(no question)"
        labels, at = [], 12
        while message[at]:
            length = message[at]
            labels.append(message[at + 1:at + 1 + length].decode("ascii", "replace"))
            at += 1 + length
        qtype = struct.unpack("!H", message[at + 1:at + 3])[0]
        return ".".join(labels) + f" type {qtype}"
    except (IndexError, struct.error):
        return f"(unreadable, {len(message)} bytes)"


def not_found(message):
    """An NXDOMAIN answer to a query: the asker learns nothing and stops waiting."""
    if len(message) < 12:
        return b""
    flags = struct.unpack("!H", message[2:4])[0]
    answer_flags = 0x8000 | (flags & 0x7900) | 0x0080 | 3
    return message[:2] + struct.pack("!H", answer_flags) + message[4:6] + b"\0" * 6 + message[12:]


def describe_packet(frame):
    """Protocol, source and destination of a loopback frame (an Ethernet header precedes IP)."""
    ethertype = struct.unpack("!H", frame[12:14])[0]
    packet = frame[14:]
    if ethertype == 0x0800 and len(packet) >= 20:
        protocol, header = packet[9], (packet[0] & 0x0F) * 4
        source, destination = ipaddress.ip_address(packet[12:16]), ipaddress.ip_address(packet[16:20])
    elif ethertype == 0x86DD and len(packet) >= 40:
        protocol, header = packet[6], 40
        source, destination = ipaddress.ip_address(packet[8:24]), ipaddress.ip_address(packet[24:40])
    else:
        return f"ethertype {ethertype:#06x}, {len(frame)} bytes"
    names = {6: "tcp", 17: "udp", 1: "icmp", 58: "icmpv6"}
    if protocol in (6, 17) and len(packet) >= header + 4:
        sport, dport = struct.unpack("!HH", packet[header:header + 4])
        return f"{names[protocol]} {source}:{sport} -> {destination}:{dport}"
    return f"{names.get(protocol, protocol)} {source} -> {destination}"


class Listeners:
    def __init__(self, log, ports):
        self.log = log
        self.selector = selectors.DefaultSelector()
        self.sockets = []
        families = [(socket.AF_INET, "127.0.0.1")]
        if socket.has_ipv6 and self.bindable("::1"):
            families.append((socket.AF_INET6, "::1"))
        for port in sorted(set(ports) | {53}):
            for family, address in families:
                self.listen(family, socket.SOCK_DGRAM, address, port)
                self.listen(family, socket.SOCK_STREAM, address, port)
        self.sniff()

    @staticmethod
    def bindable(address):
        try:
            with socket.socket(socket.AF_INET6, socket.SOCK_DGRAM) as probe:
                probe.bind((address, 0))
            return True
        except OSError:
            return False

    def add(self, sock, handler):
        sock.setblocking(False)
        self.sockets.append(sock)
        self.selector.register(sock, selectors.EVENT_READ, handler)

    def listen(self, family, kind, address, port):
        sock = socket.socket(family, kind)
        sock.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        if family == socket.AF_INET6:
            sock.setsockopt(socket.IPPROTO_IPV6, socket.IPV6_V6ONLY, 1)
        sock.bind((address, port))
        if kind == socket.SOCK_STREAM:
            sock.listen(64)
            self.add(sock, lambda s=sock, p=port: self.accept(s, p))
        else:
            self.add(sock, lambda s=sock, p=port: self.datagram(s, p))

    def sniff(self):
        sock = socket.socket(socket.AF_PACKET, socket.SOCK_RAW, socket.htons(ETH_P_ALL))
        sock.bind(("lo", 0))
        self.add(sock, lambda s=sock: self.packet(s))

    def datagram(self, sock, port):
        message, sender = sock.recvfrom(65535)
        what = f"query {query_name(message)}" if port == 53 else f"{len(message)} bytes"
        self.log.write("datagram", f"to port {port} from {sender[0]}:{sender[1]}: {what}")
        if port == 53:
            sock.sendto(not_found(message), sender)

    def accept(self, sock, port):
        connection, peer = sock.accept()
        self.log.write("connection", f"to port {port} from {peer[0]}:{peer[1]}")
        if port == 53:
            # A query over TCP comes with its length first; one read is enough to name it.
            connection.settimeout(2)
            try:
                message = connection.recv(65535)[2:]
                self.log.write("connection", f"query {query_name(message)}")
            except OSError:
                pass
        connection.close()

    def packet(self, sock):
        frame, address = sock.recvfrom(65535)
        # Loopback shows each packet twice: as it leaves and as it arrives.
        if address[2] != PACKET_OUTGOING:
            self.log.write("packet", describe_packet(frame))

    def serve(self, stop):
        while not stop():
            for key, _ in self.selector.select(timeout=0.5):
                key.data()
        self.drain()

    def drain(self):
        """Reads what the kernel still holds, so a packet sent just before the end is logged."""
        while True:
            ready = self.selector.select(timeout=0)
            if not ready:
                return
            for key, _ in ready:
                key.data()


def main():
    log_path, ready_path, *ports = sys.argv[1:]
    log = Log(log_path)
    listeners = Listeners(log, [int(port) for port in ports])
    stopping = []
    signal.signal(signal.SIGTERM, lambda *_: stopping.append(True))
    signal.signal(signal.SIGINT, lambda *_: stopping.append(True))
    with open(ready_path + ".part", "w", encoding="utf-8") as ready:
        ready.write(f"{os.getpid()}\n")
    os.rename(ready_path + ".part", ready_path)
    listeners.serve(lambda: bool(stopping))
    log.file.close()


if __name__ == "__main__":
    main()
